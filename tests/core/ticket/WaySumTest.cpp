#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <random>

#include "core/state/GameState.h"
#include "core/ticket/WaySum.h"
#include "core/ticket/WaySumReference.h"

namespace {

// A way ticket of groups of size s with the given catches and rows bet.
GameState wayTicket(int s, std::initializer_list<int> hits, std::initializer_list<int> rowsBet) {
    GameState state;
    state.Kind = TicketKind::Way;
    state.SpotsPerSet = static_cast<std::uint8_t>(s);
    int g = 0;
    for (const int h : hits)
        state.Sets[static_cast<std::size_t>(++g)].Hits = static_cast<std::uint8_t>(h);
    state.CompletedSets = static_cast<std::uint8_t>(g);
    for (const int k : rowsBet) state.WayCounts[static_cast<std::size_t>(k - 1)] = 1;
    return state;
}

void fillDistinctPayoffs(GameState& state) {
    for (int spots = 0; spots < 20; ++spots)
        for (int h = 0; h <= 20; ++h)
            state.Payoffs
                .RegularPayoffs[static_cast<std::size_t>(spots)][static_cast<std::size_t>(h)] =
                (spots + 1) * 1'000'000 + h * 10'000 + 7;
}

}  // namespace

TEST(WaySum, PaysEveryChosenCombinationAsARegularTicket) {
    // Three groups of 2, rows 1 and 3 bet, catches 1, 2, 0.
    GameState state = wayTicket(2, {1, 2, 0}, {1, 3});
    fillDistinctPayoffs(state);
    const auto& t = state.Payoffs.RegularPayoffs;
    EXPECT_EQ(WaySum(state), static_cast<long double>(t[1][1] + t[1][2] + t[1][0] + t[5][3]));

    state.WayCounts[0] = 0;  // only the 3-group row
    EXPECT_EQ(WaySum(state), static_cast<long double>(t[5][3]));
    state.WayCounts[2] = 0;  // nothing bet
    EXPECT_EQ(WaySum(state), 0.0L);
}

TEST(WaySum, TallyCountsChoicesByTotalCatches) {
    const std::array<std::uint8_t, 4> hits{1, 0, 2, 1};
    const WayTally tally = TallyWays(hits, 2);
    EXPECT_EQ(tally.count(0, 0), 1u);
    EXPECT_EQ(tally.count(1, 0), 1u);
    EXPECT_EQ(tally.count(1, 1), 2u);
    EXPECT_EQ(tally.count(1, 2), 1u);
    // Pairs: {1,0}=1 {1,2}=3 {1,1}=2 {0,2}=2 {0,1}=1 {2,1}=3.
    EXPECT_EQ(tally.count(2, 1), 2u);
    EXPECT_EQ(tally.count(2, 2), 2u);
    EXPECT_EQ(tally.count(2, 3), 2u);
    EXPECT_EQ(tally.count(4, 4), 1u);
    EXPECT_EQ(tally.count(5, 4), 0u);
    EXPECT_EQ(tally.count(-1, 0), 0u);
    EXPECT_EQ(tally.count(2, 21), 0u);

    const WayTally pairsOnly = TallyWays(hits, 2, 2);
    EXPECT_EQ(pairsOnly.Choices[1], tally.Choices[1]);
    EXPECT_EQ(pairsOnly.Choices[2], tally.Choices[2]);
    EXPECT_EQ(pairsOnly.count(3, 3), 0u);
}

TEST(WaySum, TallyIsExactForEightyGroups) {
    std::array<std::uint8_t, 80> hits{};
    const WayTally tally = TallyWays(hits, 1);
    EXPECT_EQ(tally.count(4, 0), 1'581'580u);
    EXPECT_EQ(tally.count(15, 0), 6'635'869'816'740'560ull);  // C(80, 15)
}

TEST(WaySum, ImpossibleCatchesAndRowsOutsideTheTableAreHarmless) {
    // A damaged ticket: a group of 2 claims 9 catches and 200 groups are
    // claimed complete; row 15 of groups of 2 lies beyond the 20-spot table.
    GameState state = wayTicket(2, {9, 1}, {1, 2, 15});
    state.CompletedSets = 200;
    fillDistinctPayoffs(state);
    EXPECT_EQ(WaySum(state), reference::WaySum(state));
    GameState empty = wayTicket(0, {1}, {1});
    EXPECT_EQ(WaySum(empty), 0.0L);
}

TEST(WaySum, ExtremeTableEntriesDoNotOverflow) {
    GameState state = wayTicket(1, {}, {1, 2, 3, 4});
    state.CompletedSets = 80;
    for (auto& row : state.Payoffs.RegularPayoffs) row.fill(std::numeric_limits<Money>::max());
    constexpr long double kWays = 80.0L + 3160.0L + 82160.0L + 1581580.0L;
    EXPECT_EQ(WaySum(state), static_cast<long double>(std::numeric_limits<Money>::max()) * kWays);
    for (auto& row : state.Payoffs.RegularPayoffs) row.fill(std::numeric_limits<Money>::min());
    EXPECT_EQ(WaySum(state), static_cast<long double>(std::numeric_limits<Money>::min()) * kWays);
}

TEST(WaySum, MatchesEveryCombinationOnRandomTickets) {
    std::mt19937_64 random(20261208);
    auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    constexpr std::uint64_t kMostCombinations = 60'000;  // keeps the literal loop quick
    for (int trial = 0; trial < 3000; ++trial) {
        GameState state;
        const int s = uniform(1, 7);
        const int n = uniform(1, 80 / s);
        state.SpotsPerSet = static_cast<std::uint8_t>(s);
        state.CompletedSets = static_cast<std::uint8_t>(n);
        for (int g = 1; g <= n; ++g)
            state.Sets[static_cast<std::size_t>(g)].Hits = static_cast<std::uint8_t>(uniform(0, s));
        std::uint64_t binomial = 1;
        for (int k = 1; k <= 15 && k * s <= 15 && k <= n; ++k) {
            binomial =
                binomial * static_cast<std::uint64_t>(n - k + 1) / static_cast<std::uint64_t>(k);
            if (binomial <= kMostCombinations && uniform(0, 2) != 0)
                state.WayCounts[static_cast<std::size_t>(k - 1)] =
                    static_cast<std::int32_t>(binomial);
        }
        const int style = trial % 3;
        for (auto& row : state.Payoffs.RegularPayoffs)
            for (auto& entry : row) {
                if (style == 0)
                    entry = uniform(0, 1000) * money::kOneDollar;
                else if (style == 1)
                    entry = static_cast<Money>(random());  // any bits, signs included
                else
                    entry = uniform(-3, 3) == 0 ? std::numeric_limits<Money>::min()
                                                : std::numeric_limits<Money>::max();
            }
        ASSERT_EQ(WaySum(state), reference::WaySum(state))
            << "trial " << trial << " s " << s << " n " << n;
    }
}
