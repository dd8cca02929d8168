#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>

#include "core/state/GameState.h"
#include "core/ticket/BetControls.h"
#include "core/ticket/WaySum.h"
#include "core/ticket/WayTicket.h"

namespace {

using Outcome = WayRowClickResult::Outcome;

// Marks numbers on the board as a click would; returns true when the last
// one completed a way group.
bool mark(GameState& state, std::initializer_list<int> numbers) {
    bool completed = false;
    for (const int n : numbers) {
        completed = bet::AddNumber(state, n);
    }
    return completed;
}

// A way ticket of `groups` groups of s consecutive numbers, built as a player would.
void buildGroups(GameState& state, WayTicket& ticket, int s, int groups) {
    int next = 1;
    for (int g = 1; g <= groups; ++g) {
        for (int i = 0; i < s; ++i) {
            const bool completed = bet::AddNumber(state, next++);
            if (g == 1 && i == s - 1) {
                ASSERT_FALSE(completed);  // a plain ticket has no group size yet
                ASSERT_FALSE(ticket.choose().empty());
            } else if (completed) {
                ticket.completeGroup();
            }
        }
    }
}

std::vector<int> offeredRows(const WayTicket& ticket) {
    std::vector<int> rows;
    for (int k = 1; k <= way::kRows; ++k)
        if (ticket.rowState(k) != WayRowState::Hidden) rows.push_back(k);
    return rows;
}

// Counts restored from a damaged file can add up past 32 bits; the total of
// ways must not wrap round to a negative price that PLAY would pay out.
TEST(WayTicket, AbsurdRestoredCountsNeverMakeANegativePrice) {
    GameState state;
    WayTicket ticket(state);
    state.Kind = TicketKind::Way;
    state.SpotsPerSet = 1;
    state.AggregateLimit = std::numeric_limits<Money>::max();
    state.WayCounts.fill(2'000'000'000);
    ticket.restoreRows();
    EXPECT_EQ(ticket.clickRow(1).outcome, Outcome::Unbet);
    EXPECT_GT(state.Ways, 0);
    EXPECT_GT(state.PricePerGame, 0);
    EXPECT_GT(state.TotalPrice, 0);
}

}  // namespace

TEST(WayTicket, GroupsAddRowsAsTheyComplete) {
    GameState state;
    WayTicket ticket(state);
    mark(state, {5, 17, 42});
    ASSERT_TRUE(ticket.canChoose());
    EXPECT_EQ(ticket.choose(), (std::vector<int>{5, 17, 42}));
    EXPECT_EQ(state.Kind, TicketKind::Way);
    EXPECT_EQ(state.Ways, 0);
    EXPECT_EQ(state.PricePerGame, 0);
    EXPECT_EQ(state.TotalPrice, 0);
    EXPECT_EQ(state.SpotsPerSet, 3);
    EXPECT_EQ(state.CompletedSets, 1);
    EXPECT_EQ(state.CurrentSet, 2);
    EXPECT_EQ(state.SpotsMarked, 0);
    EXPECT_EQ(offeredRows(ticket), (std::vector<int>{1}));
    EXPECT_EQ(ticket.rowText(1), "1 / 3");
    EXPECT_FALSE(ticket.canChoose());  // already a way ticket

    EXPECT_FALSE(mark(state, {1, 2}));
    ASSERT_TRUE(mark(state, {3}));
    const WayGroupDone second = ticket.completeGroup();
    EXPECT_EQ(second.lockedNumbers, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(second.boardClosed);
    EXPECT_EQ(ticket.rowText(1), "2 / 3");
    EXPECT_EQ(ticket.rowText(2), "1 / 6");

    ASSERT_TRUE(mark(state, {60, 70, 80}));
    ticket.completeGroup();
    EXPECT_EQ(offeredRows(ticket), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ticket.rowText(1), "3 / 3");
    EXPECT_EQ(ticket.rowText(2), "3 / 6");
    EXPECT_EQ(ticket.rowText(3), "1 / 9");
    EXPECT_EQ(ticket.rowState(1), WayRowState::Offered);
    EXPECT_EQ(ticket.rowState(3), WayRowState::Offered);
    EXPECT_EQ(state.Sets[3].Numbers[0], 60);
}

TEST(WayTicket, OnlyPlainTicketsOfOneToSevenNumbersBecomeWays) {
    GameState state;
    WayTicket ticket(state);
    EXPECT_FALSE(ticket.canChoose());
    EXPECT_TRUE(ticket.choose().empty());
    mark(state, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_FALSE(ticket.canChoose());
    EXPECT_TRUE(ticket.choose().empty());
    EXPECT_EQ(state.Kind, TicketKind::Regular);

    GameState quickPick;
    quickPick.SpotsMarked = 1;
    quickPick.KindCode = QStringLiteral("QP");
    EXPECT_FALSE(WayTicket(quickPick).canChoose());
}

TEST(WayTicket, RowsOfFifteenSpotsAtMostForEveryGroupSize) {
    const int largestRow[] = {0, 15, 7, 5, 3, 3, 2, 2};
    for (int s = 1; s <= way::kLargestGroup; ++s) {
        GameState state;
        WayTicket ticket(state);
        buildGroups(state, ticket, s, std::min(80 / s, 15));
        const std::vector<int> rows = offeredRows(ticket);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.front(), 1) << "s " << s;
        EXPECT_EQ(rows.back(), largestRow[s]) << "s " << s;
        EXPECT_EQ(static_cast<int>(rows.size()), largestRow[s]) << "s " << s;
        EXPECT_EQ(ticket.rowText(rows.back()).section(QStringLiteral(" / "), 1).toInt(),
                  largestRow[s] * s);
    }
}

TEST(WayTicket, EightyGroupsOfOneOfferFourRowsAndCloseTheBoard) {
    GameState state;
    WayTicket ticket(state);
    buildGroups(state, ticket, 1, 79);
    EXPECT_TRUE(ticket.groupFits());
    ASSERT_TRUE(mark(state, {80}));
    EXPECT_TRUE(ticket.completeGroup().boardClosed);
    EXPECT_EQ(state.CompletedSets, 80);
    EXPECT_EQ(offeredRows(ticket), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ticket.rowText(4), "1581580 / 4");
    EXPECT_EQ(ticket.rowWays(5), 24'040'016);  // exact, but too many to offer

    GameState sevens;
    WayTicket sevensTicket(sevens);
    buildGroups(sevens, sevensTicket, 7, 10);
    EXPECT_TRUE(sevensTicket.groupFits());
    mark(sevens, {71, 72, 73, 74, 75, 76, 77});
    EXPECT_TRUE(sevensTicket.completeGroup().boardClosed);  // 12 x 7 > 80
}

TEST(WayTicket, CountWaysIsExactBelowTheCapAndNeverOverflows) {
    for (int n = 0; n <= 80; ++n) {
        const way::WayCountArray counts = way::CountWays(n);
        std::uint64_t binomial = 1;  // C(n, k), exact in 64 bits for k <= 15
        for (int k = 1; k <= way::kRows; ++k) {
            binomial = k > n ? 0
                             : binomial * static_cast<std::uint64_t>(n - k + 1) /
                                   static_cast<std::uint64_t>(k);
            const std::int32_t count = counts[static_cast<std::size_t>(k - 1)];
            if (binomial < static_cast<std::uint64_t>(way::kCountCap))
                EXPECT_EQ(count, static_cast<std::int32_t>(binomial)) << n << " choose " << k;
            else
                EXPECT_EQ(count, way::kCountCap) << n << " choose " << k;
        }
    }
    EXPECT_EQ(way::CountWays(-3), way::WayCountArray{});
    EXPECT_EQ(way::CountWays(250), way::CountWays(80));

    EXPECT_TRUE(way::RowOffered(4, 19'999'999, 1));
    EXPECT_FALSE(way::RowOffered(4, 20'000'000, 1));
    EXPECT_TRUE(way::RowOffered(1, 80, 1));
    EXPECT_FALSE(way::RowOffered(2, 1, 8));
    EXPECT_FALSE(way::RowOffered(1, 0, 1));
}

TEST(WayTicket, BettingIsRefusedAboveTheAggregateLimit) {
    GameState state;
    WayTicket ticket(state);
    state.AggregateLimit = money::Dollars(100);
    state.PricePerWay = money::Dollars(20);
    buildGroups(state, ticket, 2, 3);

    EXPECT_EQ(ticket.clickRow(1).outcome, Outcome::Bet);  // 3 ways, $60.00
    EXPECT_EQ(state.PricePerGame, money::Dollars(60));
    const WayRowClickResult refused = ticket.clickRow(2);  // 6 ways would be $120.00
    EXPECT_EQ(refused.outcome, Outcome::RefusedByLimit);
    EXPECT_FALSE(refused.changed());
    EXPECT_EQ(ticket.rowState(2), WayRowState::Offered);
    EXPECT_EQ(state.Ways, 3);
    EXPECT_EQ(ticket.clickRow(3).outcome, Outcome::Bet);  // 4 ways, $80.00
    EXPECT_EQ(state.Ways, 4);
    EXPECT_EQ(state.PricePerGame, money::Dollars(80));
}

TEST(WayTicket, BetRowsFixThePriceTheSummaryAndTheBoard) {
    GameState state;
    WayTicket ticket(state);
    state.AggregateLimit = money::Dollars(50'000);
    state.NumberOfGames = 2;
    buildGroups(state, ticket, 3, 3);

    const WayRowClickResult first = ticket.clickRow(1);
    EXPECT_EQ(first.sound.value_or(sounds::Request{}).name(), "WAVE_83");
    EXPECT_FALSE(first.boardEnabled);
    EXPECT_TRUE(first.totals.pricePerGame);
    EXPECT_EQ(ticket.clickRow(2).outcome, Outcome::Bet);
    EXPECT_EQ(state.Ways, 6);
    EXPECT_EQ(state.PricePerGame, money::Dollars(6));
    EXPECT_EQ(state.TotalPrice, money::Dollars(12));
    EXPECT_EQ(ticket.summary(), "  3/3    3/6  ");
    EXPECT_EQ(ticket.rowState(2), WayRowState::Bet);

    const WayRowClickResult unbet = ticket.clickRow(1);
    EXPECT_EQ(unbet.outcome, Outcome::Unbet);
    EXPECT_EQ(unbet.sound.value_or(sounds::Request{}).name(), "WAVE_86");
    EXPECT_FALSE(unbet.boardEnabled);
    EXPECT_TRUE(ticket.clickRow(2).boardEnabled);
    EXPECT_EQ(state.Ways, 0);
    EXPECT_EQ(state.TotalPrice, 0);
    EXPECT_EQ(ticket.summary(), "");

    state.SoundsOn = false;
    EXPECT_FALSE(ticket.clickRow(1).sound.has_value());
}

TEST(WayTicket, ClicksThatMustDoNothing) {
    GameState state;
    WayTicket ticket(state);
    state.AggregateLimit = money::Dollars(50'000);
    buildGroups(state, ticket, 2, 2);
    mark(state, {30});  // half a group
    EXPECT_EQ(ticket.clickRow(1).outcome, Outcome::Ignored);
    EXPECT_EQ(state.Ways, 0);
    bet::RemoveNumber(state, 30);
    EXPECT_EQ(ticket.clickRow(3).outcome, Outcome::Ignored);  // not offered
    EXPECT_EQ(ticket.clickRow(0).outcome, Outcome::Ignored);
    EXPECT_EQ(ticket.clickRow(16).outcome, Outcome::Ignored);
    EXPECT_EQ(ticket.clickRow(1).outcome, Outcome::Bet);
}

TEST(WayTicket, UnbettingWhenNoGroupFitsKeepsTheBoardClosed) {
    GameState state;
    WayTicket ticket(state);
    state.AggregateLimit = money::Dollars(50'000);
    buildGroups(state, ticket, 3, 26);  // 78 numbers; a 27th group cannot fit
    EXPECT_FALSE(ticket.groupFits());
    ticket.clickRow(1);
    EXPECT_FALSE(ticket.clickRow(1).boardEnabled);
}

TEST(WayTicket, PlayHandsTheBetRowsToTheEvaluation) {
    GameState state;
    WayTicket ticket(state);
    state.AggregateLimit = money::Dollars(50'000);
    state.WayCounts[1] = 99;  // left over from anywhere: must not be paid
    buildGroups(state, ticket, 2, 3);
    ticket.clickRow(1);
    ticket.clickRow(3);
    ticket.handOverAtPlay();
    EXPECT_EQ(state.WayCounts, (way::WayCountArray{3, 0, 1}));
    EXPECT_EQ(ticket.wayCountsEdit(), (way::WayCountArray{3, 0, 1}));

    state.Sets[1].Hits = 1;
    state.Sets[2].Hits = 2;
    state.Sets[3].Hits = 0;
    auto& t = state.Payoffs.RegularPayoffs;
    t[1] = {10, 20, 40};
    t[3][3] = 1000;
    t[5][3] = 5000;
    EXPECT_EQ(WaySum(state), 20 + 40 + 10 + 5000);
}

TEST(WayTicket, RestoredCountsBecomeBetRows) {
    GameState state;
    WayTicket ticket(state);
    state.Kind = TicketKind::Way;
    state.SpotsPerSet = 4;
    state.WayCounts = {3, 3, 1};
    ticket.restoreRows();
    EXPECT_EQ(ticket.summary(), "  3/4    3/8    1/12  ");
    EXPECT_EQ(ticket.rowState(1), WayRowState::Bet);
    EXPECT_EQ(ticket.rowState(3), WayRowState::Bet);
    EXPECT_EQ(ticket.rowState(4), WayRowState::Hidden);

    state.WayCounts.fill(0);
    ticket.copyBetRowsToWayCounts();
    EXPECT_EQ(state.WayCounts, (way::WayCountArray{3, 3, 1}));
    ticket.clear();
    EXPECT_EQ(ticket.summary(), "");
}
