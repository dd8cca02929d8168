#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <numeric>

#include "core/records/BallFrequency.h"
#include "core/records/FileBytes.h"
#include "core/records/IoError.h"
#include "core/state/GameState.h"

using namespace frequency;

namespace {

// Slots as a file holds them; game g plays when `played(g)`, drawing its
// balls from `ball(g, i)`.
template <typename Played, typename Ball>
std::vector<GameRecord> Slots(Played played, Ball ball) {
    std::vector<GameRecord> games(1000);
    for (int g = 0; g < 1000; ++g) {
        games[static_cast<std::size_t>(g)].GameNumber = g;
        if (!played(g)) continue;
        for (int i = 0; i < 20; ++i)
            games[static_cast<std::size_t>(g)].Drawn[static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(ball(g, i));
    }
    return games;
}

int Sum(const BallCounts& counts) { return std::accumulate(counts.begin() + 1, counts.end(), 0); }

}  // namespace

TEST(BallFrequency, NewFileAfterTwoGamesAndAfterAWrap) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Games.vlr");
    CreateHistoryFile(path);
    FrequencyChart chart = OpenFrequencyChart(path);
    EXPECT_EQ(chart.games.n(), 999);
    EXPECT_EQ(GamesLabel(chart.games.n()), "999 GAMES");
    EXPECT_EQ(Sum(chart.counts), 0);

    GameState state;
    for (int g = 0; g <= 1; ++g) {
        state.GameNumber = g;
        for (int i = 0; i < 20; ++i)
            state.Drawn[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(g * 40 + i + 1);
        RecordGame(state, path);
        if (g == 0) {
            // One game played: it is counted, not an empty chart under "GAME".
            chart = OpenFrequencyChart(path);
            EXPECT_EQ(chart.games.n(), 1);
            EXPECT_EQ(chart.games.max(), 1);
            EXPECT_EQ(Sum(chart.counts), 20);
            // The arrows stay on that one game, and so do the counts.
            chart.games.stepDown();
            EXPECT_EQ(chart.games.n(), 1);
            EXPECT_EQ(Sum(CountBallsInFile(path, chart.games.n())), 20);
            chart.games.stepUp();
            EXPECT_EQ(chart.games.n(), 1);
        }
    }
    chart = OpenFrequencyChart(path);
    EXPECT_EQ(chart.games.n(), 1);
    EXPECT_EQ(chart.games.max(), 1);
    EXPECT_EQ(GamesLabel(chart.games.n()), "GAME");
    for (int ball = 1; ball <= 80; ++ball)
        EXPECT_EQ(chart.counts[static_cast<std::size_t>(ball)], ball >= 41 && ball <= 60 ? 1 : 0);

    // Every slot played: the probe after game 1 is game 2's.
    const auto all = Slots([](int) { return true; }, [](int g, int i) { return (g + i) % 80 + 1; });
    GameRecord probe;
    probe.Drawn[0] = 9;
    EXPECT_EQ(GamesAtOpening(1, probe), 1000);
    EXPECT_EQ(ProbeRecord(999), 2);
    EXPECT_EQ(ProbeRecord(41), 43);
    EXPECT_EQ(Sum(CountBalls(all, 1, 1000)), 20000);
    EXPECT_EQ(GamesLabel(1000), "1000 GAMES");

    EXPECT_EQ(Sum(CountBallsInFile(dir.filePath("missing.vlr"), 10)), 0);
}

TEST(BallFrequency, TheLastGamesAreTakenAcrossTheWrap) {
    // Games 0..9 draw their own number plus one; games 990..999 draw 11..20; the rest 80.
    const auto games = Slots([](int) { return true; },
                             [](int g, int) { return g < 10     ? g + 1
                                                     : g >= 990 ? g - 979
                                                                : 80; });
    const BallCounts counts = CountBalls(games, 5, 10);
    for (int ball = 1; ball <= 20; ++ball) {
        const bool counted = ball <= 6 || ball >= 17;  // games 0-5 and 996-999
        EXPECT_EQ(counts[static_cast<std::size_t>(ball)], counted ? 20 : 0) << ball;
    }
    EXPECT_EQ(counts[80], 0);
    EXPECT_EQ(Sum(CountBalls(games, 998, 999)), 999 * 20);
}

TEST(BallFrequency, DamagedBallsAndGameNumbersStayInsideTheCounters) {
    auto games = Slots([](int) { return true; }, [](int, int i) { return i == 0 ? 255 : 81; });
    games[3].GameNumber = -7;
    games[4].GameNumber = 1 << 30;
    const BallCounts counts = CountBalls(games, 999, 1000);
    EXPECT_EQ(Sum(counts), 0);
    EXPECT_EQ(counts[0], 20000);
}

TEST(BallFrequency, LabelsAndTheCyclicArrows) {
    EXPECT_EQ(CountLabel(7, 3), "   7 Drawn 3 Times");
    EXPECT_EQ(CountLabel(10, 1), "10 Drawn 1 Times");
    EXPECT_EQ(GamesLabel(0), "GAME");
    EXPECT_EQ(GamesLabel(2), "2 GAMES");

    GamesCounted games(1000, 1000);
    games.stepUp();
    EXPECT_EQ(games.n(), 1);
    games.stepUp();
    EXPECT_EQ(games.n(), 2);
    games.stepDown();
    games.stepDown();
    EXPECT_EQ(games.n(), 1000);
}

TEST(BallFrequency, DamagedHeaderIsReportedNotProbed) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Games.vlr");
    CreateHistoryFile(path);
    QByteArray data = file_bytes::readAll(path);
    file_bytes::putInt(data, 0, 4, 5000);
    file_bytes::writeAll(path, data);
    EXPECT_THROW(OpenFrequencyChart(path), IoError);
    EXPECT_THROW(CountBallsInFile(path, 3), IoError);
}
