// The Your Play window opening on a full history, off screen: the history
// read once, every ticket worked out, the figures, the words and both
// pictures painted at the window's share of the off-screen 800 x 600 screen.
//   soak: 1000 games of the soak's random tickets of every kind, as played
//   distinct way tickets: 1000 games, each a way ticket of 20 groups of 4
//           (rows 1 to 3) at a price of its own, so none is worked out twice
// Goal: under 50 ms. The figures alone are measured too.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

#include "core/schedules/ScheduleDesign.h"
#include "core/state/GameState.h"
#include "core/stats/PlayFigures.h"
#include "game/SoundPlayer.h"
#include "support/SoakRun.h"
#include "windows/YourPlayWindow.h"

namespace {

// A full history, made once per kind of history.
class FullHistory {
  public:
    virtual ~FullHistory() = default;
    QString path() const { return dir_.filePath(QStringLiteral("Games.vlr")); }

  private:
    QTemporaryDir dir_;
};

class SoakHistory : public FullHistory {
  public:
    SoakHistory() {
        SoakOptions options;
        options.games = 1500;  // the file wraps: every slot holds a game
        options.historyPath = path();
        PlaySoak(options);
    }
};

class DistinctWayTickets : public FullHistory {
  public:
    DistinctWayTickets() {
        CreateHistoryFile(path());
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
            RecordGame(state, path());
        }
    }
};

const FullHistory& soak() {
    static const SoakHistory history;
    return history;
}

const FullHistory& distinctWayTickets() {
    static const DistinctWayTickets history;
    return history;
}

void Figures(benchmark::State& bench, const FullHistory& history) {
    const PayoffSchedule schedule = schedule_design::Design(0);
    for (auto _ : bench) {
        const stats::PlayHistory play =
            stats::ReadPlayHistory(history.path(), schedule.Tables, schedule.AggregateLimit);
        benchmark::DoNotOptimize(stats::DescribeFigures(stats::FiguresOf(play)));
        benchmark::DoNotOptimize(stats::NetResult(play));
    }
}

void Window(benchmark::State& bench, const FullHistory& history) {
    const PayoffSchedule schedule = schedule_design::Design(0);
    GameState state;
    state.Payoffs = schedule.Tables;
    state.AggregateLimit = schedule.AggregateLimit;
    SilentSoundPlayer sound;
    for (auto _ : bench) {
        YourPlayWindow window({state, sound}, state, history.path());
        benchmark::DoNotOptimize(window.luckLabel->text());
    }
}

void BM_YourPlayFiguresSoakHistory(benchmark::State& bench) { Figures(bench, soak()); }
void BM_YourPlayFiguresDistinctWayTickets(benchmark::State& bench) {
    Figures(bench, distinctWayTickets());
}
void BM_YourPlayWindowSoakHistory(benchmark::State& bench) { Window(bench, soak()); }
void BM_YourPlayWindowDistinctWayTickets(benchmark::State& bench) {
    Window(bench, distinctWayTickets());
}
BENCHMARK(BM_YourPlayFiguresSoakHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YourPlayFiguresDistinctWayTickets)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YourPlayWindowSoakHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YourPlayWindowDistinctWayTickets)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
