// The figures of a whole way ticket (chance of winning, expected return,
// return to player, top win) for the largest tickets the way window allows,
// under delivered schedule 0, texts included. Goal: under 1 ms each.
#include <benchmark/benchmark.h>

#include <initializer_list>

#include "core/odds/WayOdds.h"
#include "core/schedules/ScheduleDesign.h"

namespace {

void Figures(benchmark::State& bench, int groups, int size, std::initializer_list<int> rows) {
    const PayoffSchedule schedule = schedule_design::Design(0);
    odds::WayTicketBet bet;
    bet.groups = groups;
    bet.groupSize = size;
    for (const int k : rows) bet.rowBet[static_cast<std::size_t>(k - 1)] = true;
    bet.pricePerWay = 500;  // $0.05, so that the price stays under the limit
    for (auto _ : bench) {
        const odds::WayWorth worth =
            odds::WorthOfWayTicket(bet, schedule.Tables, schedule.AggregateLimit);
        benchmark::DoNotOptimize(odds::DescribeWayWorth(worth));
    }
}

void BM_WayFigures80GroupsOf1Rows1To4(benchmark::State& bench) {
    Figures(bench, 80, 1, {1, 2, 3, 4});
}
void BM_WayFigures11GroupsOf7Rows1And2(benchmark::State& bench) { Figures(bench, 11, 7, {1, 2}); }
void BM_WayFigures20GroupsOf4Rows1To3(benchmark::State& bench) { Figures(bench, 20, 4, {1, 2, 3}); }

}  // namespace

BENCHMARK(BM_WayFigures80GroupsOf1Rows1To4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WayFigures11GroupsOf7Rows1And2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WayFigures20GroupsOf4Rows1To3)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
