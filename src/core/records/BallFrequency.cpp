#include "core/records/BallFrequency.h"

#include <algorithm>

#include "core/records/RecordFile.h"

namespace frequency {

int ProbeRecord(int lastGame) { return lastGame == kHistorySlots - 1 ? 2 : lastGame + 2; }

int GamesAtOpening(int lastGame, const GameRecord& probe) {
    // After game 0 alone the last game's number is 0, which would offer no
    // game at all while one has been played: that game is offered instead.
    return probe.played() ? kHistorySlots : std::max(lastGame, 1);
}

BallCounts CountBalls(const std::vector<GameRecord>& games, int lastGame, int n) {
    BallCounts counts{};
    int low = lastGame + 1 - n;
    int high = low + kHistorySlots;
    if (low < 0) low = 0;
    if (high > kHistorySlots) high = kHistorySlots;
    if (high < lastGame) high = lastGame + 1;
    for (const GameRecord& slot : games) {
        const int g = slot.GameNumber;
        const bool counted =
            n == kHistorySlots || (low <= g && g <= lastGame) || (high <= g && g < kHistorySlots);
        if (!counted) continue;
        for (const std::uint8_t ball : slot.Drawn) ++counts[ball < counts.size() ? ball : 0];
    }
    return counts;
}

QString GamesLabel(int n) {
    return n < 2 ? QStringLiteral("GAME") : QString::number(n) + QStringLiteral(" GAMES");
}

QString CountLabel(int number, int count) {
    return (number < 10 ? QStringLiteral("   ") : QString()) + QString::number(number) +
           QStringLiteral(" Drawn ") + QString::number(count) + QStringLiteral(" Times");
}

void GamesCounted::stepUp() {
    if (n_ >= max_) n_ = 0;
    ++n_;
}

void GamesCounted::stepDown() {
    if (n_ <= 1) n_ = max_ + 1;
    --n_;
}

FrequencyChart OpenFrequencyChart(const QString& path) {
    const HistoryContents contents = ReadHistoryContents(path);
    FrequencyChart chart;
    chart.lastGame = contents.lastGame();
    // Record r holds slot r - 1.
    const GameRecord& probe =
        contents.games[static_cast<std::size_t>(ProbeRecord(chart.lastGame) - 1)];
    const int n = GamesAtOpening(chart.lastGame, probe);
    chart.games = GamesCounted(n, n);
    chart.counts = CountBalls(contents.games, chart.lastGame, n);
    return chart;
}

BallCounts CountBallsInFile(const QString& path, int n) {
    if (!RecordFile::exists(path)) return {};
    const HistoryContents contents = ReadHistoryContents(path);
    return CountBalls(contents.games, contents.lastGame(), n);
}

}  // namespace frequency
