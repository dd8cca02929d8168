#include <gtest/gtest.h>

#include "core/odds/OddsMath.h"
#include "core/odds/OddsTable.h"
#include "core/ticket/KindTable.h"

using namespace odds;

namespace {

OddsView Fill(TicketKind tab, int spots, const PayoffTables& tables, Money bet = money::kOneDollar,
              OddsMode mode = OddsMode::OneIn, Money limit = money::Dollars(50000)) {
    OddsView view;
    FillOddsTable({tab, spots, bet, mode, &tables, limit}, kFillAll, view);
    return view;
}

}  // namespace

TEST(OddsTable, OneSpotRowsInBothModes) {
    PayoffTables tables;
    tables.RegularPayoffs[0][1] = money::Dollars(3);
    const OddsView oneIn = Fill(TicketKind::Regular, 1, tables);
    EXPECT_EQ(oneIn.rows[0].catchLabel, "0");
    EXPECT_EQ(oneIn.rows[0].oddsText, "1 in 1.3333");
    EXPECT_EQ(oneIn.rows[0].winText, "$0.00");
    EXPECT_EQ(oneIn.rows[1].oddsText, "1 in 4.0000");
    EXPECT_EQ(oneIn.rows[1].winText, "$3.00");
    EXPECT_EQ(oneIn.chanceOfWinning, "1 in 4.0000");
    for (int row = 2; row < kOddsRows; ++row) {
        EXPECT_TRUE(oneIn.rows[row].catchLabel.isEmpty() && oneIn.rows[row].winText.isEmpty() &&
                    oneIn.rows[row].oddsText.isEmpty())
            << row;
    }
    const OddsView percent =
        Fill(TicketKind::Regular, 1, tables, money::kOneDollar, OddsMode::Percent);
    EXPECT_EQ(percent.rows[0].oddsText, "75.00000000000000000%");
    EXPECT_EQ(percent.rows[1].oddsText, "25.00000000000000000%");
    EXPECT_EQ(percent.chanceOfWinning, "25.000000%");
}

TEST(OddsTable, TwentySpotsCatchingAllTwenty) {
    PayoffTables tables;
    tables.RegularPayoffs[19][20] = money::Dollars(100000);
    const OddsView oneIn = Fill(TicketKind::Regular, 20, tables);
    EXPECT_EQ(oneIn.rows[20].oddsText, "1 in 3,535,316,142,212,170,000.0000");
    const OddsView percent =
        Fill(TicketKind::Regular, 20, tables, money::kOneDollar, OddsMode::Percent);
    EXPECT_EQ(percent.rows[20].oddsText, "0.00000000000000003%");
    // The win is capped at the aggregate limit.
    EXPECT_EQ(oneIn.rows[20].winText, "$50,000.00");
}

TEST(OddsTable, AllCatchesPaysEveryRowWhateverTheTable) {
    const PayoffTables empty;
    for (int spots = 7; spots <= 10; ++spots) {
        const OddsView oneIn = Fill(TicketKind::AllCatches, spots, empty);
        EXPECT_EQ(oneIn.chanceOfWinning, "1 in 1.0000") << spots;
        EXPECT_FALSE(oneIn.neverWins);
        const OddsView percent =
            Fill(TicketKind::AllCatches, spots, empty, money::kOneDollar, OddsMode::Percent);
        EXPECT_EQ(percent.chanceOfWinning, "100.000000%") << spots;
    }
}

TEST(OddsTable, FortyKindsPayFixedRowsEvenWithZeroEntries) {
    PayoffTables tables;
    const OddsView forty = Fill(TicketKind::Forty, 3, tables);
    long double expected = 0.0L;
    for (int c = 11; c <= 20; ++c) expected += CatchProbability(40, c);
    EXPECT_EQ(forty.chance, expected);
    EXPECT_EQ(forty.rows[20].catchLabel, "20");

    // The table holds a payoff on row 9, which is not a paying row of Forty Forty.
    tables.FortyFortyPayoffs[9] = money::Dollars(5);
    const OddsView fortyForty = Fill(TicketKind::FortyForty, 3, tables);
    expected = 0.0L;
    for (int c = 0; c <= 20; ++c) {
        if (c <= 7 || c >= 13) expected += CatchProbability(40, c);
    }
    EXPECT_EQ(fortyForty.chance, expected);
    EXPECT_EQ(fortyForty.rows[9].winText, "$0.00");
    EXPECT_EQ(fortyForty.expectedReturn, "$0.00");
}

TEST(OddsTable, WinArithmeticAndExpectedReturn) {
    PayoffTables tables;
    tables.RegularPayoffs[0][1] = 30000;
    const OddsView view = Fill(TicketKind::Regular, 1, tables, 5000);
    EXPECT_EQ(view.rows[1].winText, "$1.50");
    EXPECT_NEAR(static_cast<double>(view.expectedDollars), 0.375, 1e-15);
    EXPECT_EQ(view.expectedReturn, "$0.38");
}

TEST(OddsTable, CappedWinsAndAllOrNothingUncappedReturn) {
    PayoffTables tables;
    tables.RegularPayoffs[3][4] = money::Dollars(1000);
    tables.AllOrNothingPayoffs[0] = {money::Dollars(1000), money::Dollars(1000)};
    const Money limit = money::Dollars(100);

    const OddsView regular =
        Fill(TicketKind::Regular, 4, tables, money::kOneDollar, OddsMode::OneIn, limit);
    EXPECT_EQ(regular.rows[4].winText, "$100.00");
    EXPECT_NEAR(static_cast<double>(regular.expectedDollars),
                static_cast<double>(CatchProbability(4, 4) * 100.0L), 1e-12);

    const OddsView allOrNothing =
        Fill(TicketKind::AllOrNothing, 4, tables, money::kOneDollar, OddsMode::OneIn, limit);
    EXPECT_EQ(allOrNothing.rows[0].winText, "$100.00");
    EXPECT_EQ(allOrNothing.rows[4].winText, "$100.00");
    EXPECT_EQ(allOrNothing.rows[2].winText, "$0.00");
    const long double uncapped = (CatchProbability(4, 0) + CatchProbability(4, 4)) * 1000.0L;
    EXPECT_NEAR(static_cast<double>(allOrNothing.expectedDollars), static_cast<double>(uncapped),
                1e-9);
}

TEST(OddsTable, SingleRowKindsTakeTheirRowAlone) {
    PayoffTables tables;
    tables.BetAgainstPayoffs[8] = money::Dollars(9);
    tables.CatchAllPayoffs[2] = money::Dollars(12);
    const OddsView against = Fill(TicketKind::BetAgainst, 8, tables);
    EXPECT_EQ(against.chance, CatchProbability(8, 0));
    EXPECT_EQ(against.rows[0].winText, "$9.00");
    const OddsView catchAll = Fill(TicketKind::CatchAll, 2, tables);
    EXPECT_EQ(catchAll.chance, CatchProbability(2, 2));
    EXPECT_EQ(catchAll.rows[2].winText, "$12.00");
    EXPECT_EQ(catchAll.rows[0].winText, "$0.00");
}

TEST(OddsTable, LastBallDrawnHasTheExtraRow) {
    PayoffTables tables;
    tables.LastBallPayoffs[0][2] = money::Dollars(20);
    const OddsView view = Fill(TicketKind::LastBallDrawn, 1, tables);
    EXPECT_EQ(view.rows[0].catchLabel, "0");
    EXPECT_EQ(view.rows[1].catchLabel, "1");
    EXPECT_EQ(view.rows[2].catchLabel, "1+LBD");
    EXPECT_TRUE(view.rows[3].catchLabel.isEmpty());
    EXPECT_EQ(view.rows[2].oddsText, "1 in 1,027.3684");
    EXPECT_NEAR(static_cast<double>(view.chance), 19.0 / 19520.0, 1e-18);
    // The full catch row keeps its whole probability.
    EXPECT_EQ(view.rows[1].oddsText, "1 in 4.0000");
    const OddsView percent =
        Fill(TicketKind::LastBallDrawn, 1, tables, money::kOneDollar, OddsMode::Percent);
    EXPECT_EQ(percent.rows[2].oddsText, "0.09733606557377049%");
}

TEST(OddsTable, NoPayingRowReadsNever) {
    const PayoffTables empty;
    const OddsView view = Fill(TicketKind::SuperSpecial, 5, empty);
    EXPECT_TRUE(view.neverWins);
    EXPECT_EQ(view.chanceOfWinning, NeverText());
    EXPECT_EQ(view.expectedReturn, "$0.00");
    const OddsView percent =
        Fill(TicketKind::SuperSpecial, 5, empty, money::kOneDollar, OddsMode::Percent);
    EXPECT_EQ(percent.chanceOfWinning, "0.000000%");
}

TEST(OddsTable, FlagsLeaveTheOtherColumnsAlone) {
    PayoffTables tables;
    tables.RegularPayoffs[4][3] = money::Dollars(2);
    tables.RegularPayoffs[4][5] = money::Dollars(800);
    OddsInputs inputs{TicketKind::Regular, 5,       money::kOneDollar,
                      OddsMode::OneIn,     &tables, money::Dollars(50000)};
    OddsView view;
    FillOddsTable(inputs, kFillAll, view);
    const OddsView before = view;

    inputs.bet = money::Dollars(2);
    FillOddsTable(inputs, kFillWins, view);
    EXPECT_EQ(view.rows[5].winText, "$1,600.00");
    EXPECT_NE(view.expectedReturn, before.expectedReturn);
    for (int row = 0; row < kOddsRows; ++row)
        EXPECT_EQ(view.rows[row].oddsText, before.rows[row].oddsText);
    EXPECT_EQ(view.chanceOfWinning, before.chanceOfWinning);

    const OddsView afterBet = view;
    inputs.mode = OddsMode::Percent;
    FillOddsTable(inputs, kFillOdds, view);
    EXPECT_NE(view.chanceOfWinning, afterBet.chanceOfWinning);
    for (int row = 0; row < kOddsRows; ++row)
        EXPECT_EQ(view.rows[row].winText, afterBet.rows[row].winText);
    EXPECT_EQ(view.expectedReturn, afterBet.expectedReturn);
    EXPECT_TRUE(view.rows[5].oddsText.endsWith('%'));
}

TEST(OddsTable, TabRangesClampTheSpotCount) {
    EXPECT_EQ(SpotsForTab(TicketKind::AllCatches, 3), 7);
    EXPECT_EQ(SpotsForTab(TicketKind::Regular, 7), 7);
    EXPECT_EQ(SpotsForTab(TicketKind::BetAgainst, 16), 8);
    EXPECT_EQ(SpotsForTab(TicketKind::Forty, 3), 3);  // fixed kinds keep it
    EXPECT_EQ(SpotsForTab(TicketKind::LastBallDrawn, 0), 1);
    EXPECT_TRUE(SpotRangeOf(TicketKind::ThirtyTwoSpot).fixed);
    EXPECT_EQ(kinds::TabKind(10), TicketKind::Regular);
    // A stray spot count never reaches outside the tables.
    const PayoffTables empty;
    const OddsView view = Fill(TicketKind::SuperSpecial, 200, empty);
    EXPECT_EQ(view.rows[3].catchLabel, "3");
    EXPECT_TRUE(view.rows[4].catchLabel.isEmpty());
}
