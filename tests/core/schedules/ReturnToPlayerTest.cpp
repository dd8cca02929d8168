#include <gtest/gtest.h>

#include <numeric>

#include "core/odds/OddsMath.h"
#include "core/schedules/ReturnToPlayer.h"
#include "core/ticket/KindTable.h"

namespace {

long double TotalProbability(const std::vector<PayoffOutcome>& outcomes) {
    long double sum = 0.0L;
    for (const PayoffOutcome& outcome : outcomes) sum += outcome.probability;
    return sum;
}

}  // namespace

TEST(ReturnToPlayer, OneSpotPayingThreeDollarsReturnsThreeQuarters) {
    PayoffTables tables;
    tables.RegularPayoffs[0][1] = money::Dollars(3);
    tables.RegularPayoffs[0][5] = money::Dollars(1000);  // unreachable, must not count
    EXPECT_NEAR(static_cast<double>(ReturnToPlayer(tables, TicketKind::Regular, 1)), 0.75, 1e-15);
}

TEST(ReturnToPlayer, OutcomesCoverTheWholeDrawWhereEveryCatchHasAnEntry) {
    for (const PaidTicket& ticket : PaidTickets()) {
        const auto outcomes = ReachableOutcomes(ticket.kind, ticket.spots);
        const long double total = TotalProbability(outcomes);
        switch (ticket.kind) {
            case TicketKind::AllOrNothing:
                EXPECT_NEAR(static_cast<double>(total),
                            static_cast<double>(odds::CatchProbability(ticket.spots, 0) +
                                                odds::CatchProbability(ticket.spots, ticket.spots)),
                            1e-15);
                break;
            case TicketKind::BetAgainst:
            case TicketKind::CatchAll:
                ASSERT_EQ(outcomes.size(), 1u);
                EXPECT_EQ(outcomes[0].index, ticket.spots);  // the table is indexed by spots
                break;
            default:
                EXPECT_NEAR(static_cast<double>(total), 1.0, 1e-12)
                    << kinds::KindName(ticket.kind).toStdString();
        }
    }
}

TEST(ReturnToPlayer, LastBallSplitsTheFullCatchBySpotsInTwenty) {
    const auto one = ReachableOutcomes(TicketKind::LastBallDrawn, 1);
    ASSERT_EQ(one.size(), 3u);
    EXPECT_EQ(one[2].index, 2);
    EXPECT_NEAR(static_cast<double>(one[2].probability), 1.0 / 80, 1e-15);
    EXPECT_NEAR(static_cast<double>(one[1].probability), 0.25 - 1.0 / 80, 1e-15);

    const auto six = ReachableOutcomes(TicketKind::LastBallDrawn, 6);
    const long double full = odds::CatchProbability(6, 6);
    EXPECT_NEAR(static_cast<double>(six.back().probability / full), 0.3, 1e-15);
}

TEST(ReturnToPlayer, FixedKindsUseTheirNumberSets) {
    PayoffTables tables;
    tables.FortyPayoffs[10] = money::Dollars(1);
    tables.ThirtyTwoSpotPayoffs[8] = money::Dollars(1);
    EXPECT_NEAR(static_cast<double>(ReturnToPlayer(tables, TicketKind::Forty, 40)),
                static_cast<double>(odds::CatchProbability(40, 10)), 1e-15);
    EXPECT_NEAR(static_cast<double>(ReturnToPlayer(tables, TicketKind::ThirtyTwoSpot, 32)),
                static_cast<double>(odds::CatchProbability(32, 8)), 1e-15);
}

TEST(ReturnToPlayer, RowsAreTheTablesTheGamePaysFrom) {
    PayoffTables tables;
    PayoffRow(tables, TicketKind::BetAgainst, 9)[9] = 5;
    PayoffRow(tables, TicketKind::CatchAll, 2)[2] = 6;
    PayoffRow(tables, TicketKind::LastBallDrawn, 3)[4] = 7;
    PayoffRow(tables, TicketKind::SuperSpecial, 10)[10] = 8;
    PayoffRow(tables, TicketKind::AllOrNothing, 8)[1] = 9;
    EXPECT_EQ(tables.BetAgainstPayoffs[9], 5);
    EXPECT_EQ(tables.CatchAllPayoffs[2], 6);
    EXPECT_EQ(tables.LastBallPayoffs[2][4], 7);
    EXPECT_EQ(tables.SuperSpecialPayoffs[7][10], 8);
    EXPECT_EQ(tables.AllOrNothingPayoffs[4][1], 9);

    EXPECT_THROW(PayoffRow(tables, TicketKind::AllCatches, 6), std::out_of_range);
    EXPECT_THROW(ReachableOutcomes(TicketKind::Regular, 21), std::out_of_range);
    EXPECT_THROW(PayoffRow(tables, TicketKind::Way, 3), std::out_of_range);
    EXPECT_EQ(PaidTickets().size(), 20u + 4 + 5 + 8 + 6 + 1 + 1 + 6 + 8 + 1);
}
