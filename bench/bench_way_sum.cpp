// The way sum against the literal loop over every combination of groups.
//   a: 25 groups of 1, all 15 rows bet (about 30 million ways)
//   b: 80 groups of 1, rows 1..4 bet
//   c: 11 groups of 7, rows 1 and 2 bet
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string>

#include "../tests/core/ticket/WaySumReference.h"
#include "core/state/GameState.h"
#include "core/ticket/WaySum.h"

namespace {

GameState wayTicket(int s, int groups, std::initializer_list<int> rowsBet) {
    GameState state;
    state.Kind = TicketKind::Way;
    state.SpotsPerSet = static_cast<std::uint8_t>(s);
    state.CompletedSets = static_cast<std::uint8_t>(groups);
    for (int g = 1; g <= groups; ++g)
        state.Sets[static_cast<std::size_t>(g)].Hits =
            static_cast<std::uint8_t>((g * 7 + 3) % (s + 1));
    for (const int k : rowsBet) state.WayCounts[static_cast<std::size_t>(k - 1)] = 1;
    for (int spots = 0; spots < 20; ++spots)
        for (int h = 0; h <= 20; ++h)
            state.Payoffs
                .RegularPayoffs[static_cast<std::size_t>(spots)][static_cast<std::size_t>(h)] =
                h * h * 10'000 + spots;
    return state;
}

GameState caseTicket(char name) {
    switch (name) {
        case 'a':
            return wayTicket(1, 25, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
        case 'b':
            return wayTicket(1, 80, {1, 2, 3, 4});
        default:
            return wayTicket(7, 11, {1, 2});
    }
}

using WaySumFunction = long double (*)(const GameState&);

void run(benchmark::State& bench, WaySumFunction sum, char name) {
    const GameState state = caseTicket(name);
    for (auto _ : bench) benchmark::DoNotOptimize(sum(state));
}

}  // namespace

int main(int argc, char** argv) {
    for (const char name : {'a', 'b', 'c'}) {
        const std::string suffix = std::string("/") + name;
        benchmark::RegisterBenchmark(("BM_WaySumReference" + suffix).c_str(), run,
                                     &reference::WaySum, name)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_WaySum" + suffix).c_str(), run, static_cast<WaySumFunction>(&WaySum), name)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
