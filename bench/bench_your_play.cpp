// The figures of the Your Play window for a full history, read once:
//   soak: 1000 games of the soak's random tickets of every kind, as played
//   distinct way tickets: 1000 games, each a way ticket of 20 groups of 4
//           (rows 1 to 3) at a price of its own, so none is worked out twice
// Goal: the window opens in under 50 ms.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "core/schedules/ScheduleDesign.h"
#include "core/state/GameState.h"
#include "core/stats/PlayFigures.h"
#include "support/SoakRun.h"

namespace {

void Figures(benchmark::State& bench, const QString& path) {
    const PayoffSchedule schedule = schedule_design::Design(0);
    for (auto _ : bench) {
        const stats::PlayHistory play =
            stats::ReadPlayHistory(path, schedule.Tables, schedule.AggregateLimit);
        benchmark::DoNotOptimize(stats::DescribeFigures(stats::FiguresOf(play)));
        benchmark::DoNotOptimize(stats::NetResult(play));
        bench.counters["games"] = static_cast<double>(play.games.size());
    }
}

void BM_YourPlaySoakHistory(benchmark::State& bench) {
    QTemporaryDir dir;
    SoakOptions options;
    options.games = 1500;
    options.historyPath = dir.filePath(QStringLiteral("Games.vlr"));
    PlaySoak(options);
    Figures(bench, options.historyPath);
}
BENCHMARK(BM_YourPlaySoakHistory)->Unit(benchmark::kMillisecond);

void BM_YourPlayDistinctWayTickets(benchmark::State& bench) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Games.vlr"));
    CreateHistoryFile(path);
    GameState state;
    state.Kind = TicketKind::Way;
    state.SpotsPerSet = 4;
    state.CompletedSets = 20;
    state.CurrentSet = 21;
    for (std::size_t g = 1; g <= 20; ++g)
        for (std::size_t i = 0; i < 4; ++i)
            state.Sets[g].Numbers[i] = static_cast<std::uint8_t>((g - 1) * 4 + i + 1);
    state.WayCounts[0] = 20;
    state.WayCounts[1] = 190;
    state.WayCounts[2] = 1140;
    state.Ways = 1350;
    state.NumberOfGames = 1;
    for (int game = 0; game < 1000; ++game) {
        state.GameNumber = game;
        state.PricePerWay = 500 + game;  // $0.05 and up: each game its own price
        for (std::size_t i = 0; i < 20; ++i)
            state.Drawn[i] = static_cast<std::uint8_t>((game * 3 + i * 4) % 80 + 1);
        RecordGame(state, path);
    }
    Figures(bench, path);
}
BENCHMARK(BM_YourPlayDistinctWayTickets)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
