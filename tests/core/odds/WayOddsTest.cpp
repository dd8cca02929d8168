#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>

#include "core/odds/OddsTable.h"
#include "core/odds/WayOdds.h"
#include "core/schedules/ScheduleDesign.h"
#include "core/ticket/Evaluation.h"
#include "core/ticket/WaySumReference.h"

using namespace odds;

namespace {

constexpr std::uint64_t kAllDraws = 3'535'316'142'212'174'320ULL;  // C(80, 20)

WayTicketBet Ticket(int groups, int size, std::initializer_list<int> rows,
                    Money pricePerWay = money::kOneDollar) {
    WayTicketBet bet;
    bet.groups = groups;
    bet.groupSize = size;
    for (const int k : rows) bet.rowBet[static_cast<std::size_t>(k - 1)] = true;
    bet.pricePerWay = pricePerWay;
    return bet;
}

// C(n, k) by Pascal's rule, for the checks below.
std::uint64_t Choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    std::vector<std::uint64_t> row(static_cast<std::size_t>(k) + 1, 0);
    row[0] = 1;
    for (int i = 1; i <= n; ++i)
        for (int j = std::min(i, k); j >= 1; --j)
            row[static_cast<std::size_t>(j)] += row[static_cast<std::size_t>(j - 1)];
    return row[static_cast<std::size_t>(k)];
}

// Every subset of the ticket's numbers as the ones drawn, each standing for
// the C(80 - NS, 20 - caught) draws that complete it off the ticket, paid by
// the literal loop over every combination of groups.
WayWorth BruteForce(const WayTicketBet& bet, const PayoffTables& tables, Money limit) {
    const int numbers = bet.groups * bet.groupSize;
    GameState state;
    state.Kind = TicketKind::Way;
    state.SpotsPerSet = static_cast<std::uint8_t>(bet.groupSize);
    state.CompletedSets = static_cast<std::uint8_t>(bet.groups);
    state.Payoffs = tables;
    for (int k = 1; k <= way::kRows; ++k)
        state.WayCounts[static_cast<std::size_t>(k - 1)] =
            bet.rowBet[static_cast<std::size_t>(k - 1)];
    WayWorth worth;
    bool first = true;
    for (std::uint32_t caught = 0; caught < (1U << numbers); ++caught) {
        const int total = __builtin_popcount(caught);
        if (total > 20) continue;
        for (int g = 0; g < bet.groups; ++g) {
            const std::uint32_t groupBits = ((1U << bet.groupSize) - 1) << (g * bet.groupSize);
            state.Sets[static_cast<std::size_t>(g + 1)].Hits =
                static_cast<std::uint8_t>(__builtin_popcount(caught & groupBits));
        }
        const std::uint64_t draws = Choose(80 - numbers, 20 - total);
        const Money win = ScaledWin(reference::WaySum(state), bet.pricePerWay, limit);
        worth.draws += draws;
        if (win > 0) worth.winningDraws += draws;
        worth.winTotal += static_cast<MoneyTotal>(draws) * win;
        worth.winSquareTotal += static_cast<long double>(draws) * win * win;
        if (first || win > worth.topWin) worth.topWin = win;
        first = false;
    }
    return worth;
}

// Entries that differ from each other and from row to row, some of them 0.
PayoffTables Uneven() {
    PayoffTables tables;
    for (int spots = 1; spots <= 20; ++spots)
        for (int h = 0; h <= spots; ++h)
            if ((spots + h) % 3 != 0)
                tables.RegularPayoffs[static_cast<std::size_t>(spots - 1)]
                                     [static_cast<std::size_t>(h)] = h * h * 13'337 + spots * 101;
    return tables;
}

}  // namespace

TEST(WayOdds, EveryClassOfDrawsPaysWhatTheLiteralLoopPays) {
    const PayoffTables tables = Uneven();
    struct Case {
        WayTicketBet bet;
        Money limit;
    };
    // Prices of a few cents leave halves to round; the small limits bind on
    // the best draws, the large ones never.
    const Case cases[] = {
        {Ticket(3, 2, {1, 2, 3}, 500), money::Dollars(50000)},
        {Ticket(3, 2, {1, 3}, 3500), money::Dollars(2)},
        {Ticket(4, 3, {1, 2, 3}), money::Dollars(25)},
        {Ticket(2, 7, {1, 2}, 500), money::Dollars(50000)},
        {Ticket(3, 5, {2, 3}, 2500), money::Dollars(40)},
        {Ticket(6, 1, {1, 2, 4, 6}), money::Dollars(60)},
    };
    for (const Case& c : cases) {
        const WayWorth fast = WorthOfWayTicket(c.bet, tables, c.limit);
        const WayWorth slow = BruteForce(c.bet, tables, c.limit);
        const std::string name =
            std::to_string(c.bet.groups) + " groups of " + std::to_string(c.bet.groupSize);
        EXPECT_EQ(fast.draws, kAllDraws) << name;
        EXPECT_EQ(slow.draws, kAllDraws) << name;
        EXPECT_EQ(fast.winningDraws, slow.winningDraws) << name;
        EXPECT_TRUE(fast.winTotal == slow.winTotal) << name;
        EXPECT_NEAR(static_cast<double>(fast.winSquareTotal / slow.winSquareTotal), 1.0, 1e-15)
            << name;
        EXPECT_EQ(fast.topWin, slow.topWin) << name;
    }
}

TEST(WayOdds, TheAggregateCapLowersTheReturnWhereItBinds) {
    const PayoffTables tables = Uneven();
    const WayTicketBet bet = Ticket(4, 3, {1, 2, 3});
    const WayWorth open = WorthOfWayTicket(bet, tables, money::Dollars(50000));
    const WayWorth capped = WorthOfWayTicket(bet, tables, money::Dollars(25));
    EXPECT_GT(open.topWin, money::Dollars(25));
    EXPECT_EQ(capped.topWin, money::Dollars(25));
    EXPECT_TRUE(capped.winTotal < open.winTotal);
    EXPECT_EQ(capped.winningDraws, open.winningDraws);
    EXPECT_NE(DescribeWayWorth(capped).expectedReturn, DescribeWayWorth(open).expectedReturn);
}

TEST(WayOdds, OneGroupAgreesWithTheOddsWindowAtEverySpotCount) {
    for (const int number : {0, 41, 99}) {
        const PayoffSchedule schedule = schedule_design::Design(number);
        for (const Money bet : {money::kOneDollar, Money{3500}, money::Dollars(100)}) {
            for (int spots = 1; spots <= way::kLargestGroup; ++spots) {
                OddsView view;
                FillOddsTable({TicketKind::Regular, spots, bet, OddsMode::OneIn, &schedule.Tables,
                               schedule.AggregateLimit},
                              kFillAll, view);
                const WayWorth worth = WorthOfWayTicket(Ticket(1, spots, {1}, bet), schedule.Tables,
                                                        schedule.AggregateLimit);
                const WayWorthText text = DescribeWayWorth(worth);
                const std::string name = "schedule " + std::to_string(number) + ", " +
                                         std::to_string(spots) + " spots at " + std::to_string(bet);
                EXPECT_EQ(text.chanceOfWinning, view.chanceOfWinning) << name;
                EXPECT_EQ(text.expectedReturn, view.expectedReturn) << name;
                EXPECT_NEAR(static_cast<double>(worth.chance()), static_cast<double>(view.chance),
                            1e-15)
                    << name;
                const long double expected = static_cast<long double>(worth.winTotal) /
                                             static_cast<long double>(worth.draws) / 10000.0L;
                EXPECT_NEAR(static_cast<double>(expected),
                            static_cast<double>(view.expectedDollars), 1e-12)
                    << name;
            }
        }
    }
}

TEST(WayOdds, EightyGroupsOfOneWinTheSameOnEveryDraw) {
    // Every draw catches 20 of the groups and misses 60, so a way of k groups
    // catches h of them in C(20, h) x C(60, k - h) choices, whatever the draw.
    const PayoffSchedule schedule = schedule_design::Design(0);
    const auto& table = schedule.Tables.RegularPayoffs;
    MoneyTotal units = 0;
    for (int k = 1; k <= 4; ++k)
        for (int h = 0; h <= k; ++h)
            units += static_cast<MoneyTotal>(Choose(20, h) * Choose(60, k - h)) *
                     table[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(h)];
    const Money expectedWin = static_cast<Money>(units);  // at $1.00 a way, never capped here
    const WayWorth worth = WorthOfWayTicket(Ticket(80, 1, {1, 2, 3, 4}), schedule.Tables,
                                            std::numeric_limits<Money>::max());
    EXPECT_EQ(worth.ways, 80 + 3160 + 82160 + 1581580);
    EXPECT_EQ(worth.draws, kAllDraws);
    EXPECT_EQ(worth.topWin, expectedWin);
    EXPECT_TRUE(worth.winTotal == static_cast<MoneyTotal>(kAllDraws) * expectedWin);
    EXPECT_EQ(worth.winningDraws, expectedWin > 0 ? kAllDraws : 0U);
    const WayWorthText text = DescribeWayWorth(worth);
    EXPECT_EQ(text.expectedReturn, text.topWin);
    EXPECT_EQ(text.chanceOfWinning, expectedWin > 0 ? "1 in 1.0000" : "Never");
}

TEST(WayOdds, ExpectedReturnRoundsTheExactMeanHalvesToEven) {
    // One group of one number: a quarter of the draws catch it, so the mean is
    // a quarter of its payoff; $0.02, $0.06 and $0.10 leave exactly half a cent.
    PayoffTables tables;
    const std::pair<Money, const char*> cases[] = {
        {200, "$0.00"}, {600, "$0.02"}, {1000, "$0.02"}, {1400, "$0.04"}, {30000, "$0.75"}};
    for (const auto& [entry, shown] : cases) {
        tables.RegularPayoffs[0][1] = entry;
        const WayWorthText text =
            DescribeWayWorth(WorthOfWayTicket(Ticket(1, 1, {1}), tables, money::Dollars(50000)));
        EXPECT_EQ(text.expectedReturn, shown) << entry;
    }
    const WayWorthText text = DescribeWayWorth(WorthOfWayTicket(Ticket(1, 1, {1}), {}, 1));
    EXPECT_EQ(text.chanceOfWinning, "Never");
    EXPECT_EQ(text.returnToPlayer, "0.00%");
}

TEST(WayOdds, RefusesWhatTheWayWindowWouldNotTake) {
    const Money limit = money::Dollars(100);
    EXPECT_TRUE(WayTicketRefusal(Ticket(4, 3, {1, 2, 3}), limit).isEmpty());
    EXPECT_TRUE(WayTicketRefusal(Ticket(80, 1, {1, 2, 3, 4}, 1), money::Dollars(1000)).isEmpty());
    const std::pair<WayTicketBet, const char*> refused[] = {
        {Ticket(2, 0, {1}), "a group holds 1 to 7 numbers, not 0"},
        {Ticket(2, 8, {1}), "a group holds 1 to 7 numbers, not 8"},
        {Ticket(0, 2, {1}), "a way ticket has at least one group"},
        {Ticket(12, 7, {1}), "12 groups of 7 need 84 numbers; the board holds 80"},
        {Ticket(5, 4, {4}),
         "row 4 is not offered for 5 groups of 4: its ways have 16 spots, above 15"},
        {Ticket(80, 1, {5}), "row 5 is not offered for 80 groups of 1: it has too many ways"},
        {Ticket(2, 3, {3}), "row 3 is not offered for 2 groups of 3: there are only 2 groups"},
        {Ticket(2, 3, {}), "no row is bet"},
        {Ticket(3, 2, {1, 2}, money::Dollars(20)),
         "the price per game $120.00 is above the aggregate limit of $100"},
    };
    for (const auto& [bet, reason] : refused) EXPECT_EQ(WayTicketRefusal(bet, limit), reason);
    // At the limit exactly is allowed, as in the way window.
    EXPECT_TRUE(
        WayTicketRefusal(Ticket(3, 2, {1, 2}, money::Dollars(20)), money::Dollars(120)).isEmpty());
}
