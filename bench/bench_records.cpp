// The games records as a player opens them:
//   history: read Games.vlr, make the 1000 lines, sort them by winnings
//   resort: the binary-insertion re-sort of 1000 lines alone
//   replay: the sentences of the largest way ticket the way window allows
//           (80 groups of 1, rows 1 to 4 bet) with its tallies
//   frequency: read Games.vlr and count the balls of 1000 games
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "core/records/BallFrequency.h"
#include "core/records/HistoryList.h"
#include "core/replay/ReplayText.h"
#include "core/state/GameState.h"

namespace {

// A wrapped history with a spread of wins and draws.
class PlayedHistory {
  public:
    PlayedHistory() {
        CreateHistoryFile(path());
        GameState state;
        state.SpotsMarked = 5;
        for (int game = 0; game < 1000; ++game) {
            state.GameNumber = game;
            state.GameWin = (game * 7919 % 13) * 12'500 * (game % 5);
            for (int i = 0; i < 20; ++i)
                state.Drawn[static_cast<std::size_t>(i)] =
                    static_cast<std::uint8_t>((game * 3 + i * 4) % 80 + 1);
            RecordGame(state, path());
        }
    }
    QString path() const { return dir_.filePath("Games.vlr"); }

  private:
    QTemporaryDir dir_;
};

const PlayedHistory& played() {
    static const PlayedHistory history;
    return history;
}

void BM_HistoryFillAndSort(benchmark::State& bench) {
    const QString path = played().path();
    for (auto _ : bench) {
        const HistoryContents contents = ReadHistoryContents(path);
        const auto sorted = history::Resorted(history::HistoryEntries(contents.games),
                                              history::HistoryOrder::WinningsDescending);
        QStringList lines = history::HistoryLines(sorted);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_HistoryFillAndSort)->Unit(benchmark::kMillisecond);

void BM_HistoryResort(benchmark::State& bench) {
    const auto entries = history::HistoryEntries(ReadHistoryContents(played().path()).games);
    for (auto _ : bench)
        benchmark::DoNotOptimize(
            history::Resorted(entries, history::HistoryOrder::WinningsAscending));
}
BENCHMARK(BM_HistoryResort)->Unit(benchmark::kMillisecond);

void BM_ReplayLargestWayTicket(benchmark::State& bench) {
    GameRecord record;
    record.TicketKind = 10;
    record.SpotsPerSet = 1;
    record.CompletedSets = 80;
    record.PricePerWay = 10'000;
    for (int g = 1; g <= 80; ++g) {
        record.Sets[static_cast<std::size_t>(g)].Numbers[0] = static_cast<std::uint8_t>(g);
        record.Sets[static_cast<std::size_t>(g)].Hits = g % 4 == 0 ? 1 : 0;
    }
    for (int i = 0; i < 20; ++i)
        record.Drawn[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(4 * i + 4);
    record.WayCounts = {80, 3160, 82160, 1581580};
    record.Ways = 80 + 3160 + 82160 + 1581580;
    PayoffTables payoffs;
    for (auto& row : payoffs.RegularPayoffs)
        for (std::size_t h = 0; h < row.size(); ++h) row[h] = static_cast<Money>(h * h * 10'000);
    for (auto _ : bench) benchmark::DoNotOptimize(replay::Lines(record, payoffs));
}
BENCHMARK(BM_ReplayLargestWayTicket)->Unit(benchmark::kMicrosecond);

void BM_FrequencyOfThousandGames(benchmark::State& bench) {
    const QString path = played().path();
    for (auto _ : bench) benchmark::DoNotOptimize(frequency::CountBallsInFile(path, 1000));
}
BENCHMARK(BM_FrequencyOfThousandGames)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
