#include <gtest/gtest.h>

#include <QFile>
#include <limits>
#include <set>

#include "core/records/IoError.h"
#include "game/GameCycle.h"
#include "game/TableFakes.h"
#include "game/TicketBuilder.h"
#include "support/QuietTable.h"

namespace {

constexpr std::uint32_t k123456789 = ((12 * 60 + 34) * 60 + 56) * 1000 + 789;  // 12:34:56.789

// Remembers the balance as the first ball of the fixture shows.
struct BallWatchingView : FakeTableView {
    BallWatchingView(StepLog& log, const GameState& state) : FakeTableView(log), state_(state) {}
    void showBall(const CalledBall& ball) override {
        if (balls.empty()) balanceAtFirstBall = state_.Balance;
        FakeTableView::showBall(ball);
    }
    Money balanceAtFirstBall = 1;

  private:
    const GameState& state_;
};

struct GameCycleTest : ::testing::Test {
    GameState state;
    StepLog log;
    BallWatchingView view{log, state};
    FakeWaiter waiter{log};
    LoggingSoundPlayer sounds{log};
    TableControls table{state, view, sounds, waiter};
    QuietWayRows rows;
    TicketBuilder tickets{table, rows};
    RandomSource random{[] { return k123456789; }};
    std::vector<Money> wins;  // the win of each game, in order; 0 when run out
    std::vector<std::array<std::uint8_t, 20>> draws;
    std::vector<int> hits;  // of set 1, as each game is recorded
    EvaluatorDoing evaluator{[this](GameState& s) {
        const std::size_t game = draws.size();
        s.GameWin = game < wins.size() ? wins[game] : 0;
        s.Balance += s.GameWin;
        log.lines.append(QStringLiteral("evaluate"));
        return GameResult{s.GameWin, {}};
    }};
    RecorderDoing recorder{[this](const GameState& s) {
        draws.push_back(s.Drawn);
        hits.push_back(s.Sets[1].Hits);
        log.lines.append(QStringLiteral("record"));
    }};
    NoPrinting printer;
    GameCycle cycle{table, random, steps()};

    GameCycle::Steps steps() { return {tickets, evaluator, recorder, printer}; }

    void SetUp() override {
        state.AggregateLimit = money::Dollars(50000);
        state.GameNumber = 0;  // as start-up's OPEN leaves it
        table.resetTicket();
        for (int n : {3, 14, 40, 41, 77}) tickets.onCellPressed(n);
        log.lines.clear();
        sounds.requests.clear();
    }
    void games(int count) {
        state.NumberOfGames = count;
        bet::UpdateTotals(state);
    }
    QStringList ballSounds(const std::array<std::uint8_t, 20>& drawn) const {
        QStringList expected;
        for (int i = 0; i < 20; ++i) {
            if (i == 19) expected.append("WAVE_0 wait");
            expected.append(QStringLiteral("WAVE_%1 wait").arg(drawn[static_cast<std::size_t>(i)]));
        }
        return expected;
    }
};

// The draw itself is the rules' (DrawTest); the cycle shows each ball as its
// ticket catches it.
TEST_F(GameCycleTest, TheDrawShowsCaughtAndDrawnBalls) {
    EXPECT_EQ(cycle.phase(), GameCycle::Phase::Idle);
    cycle.play();
    ASSERT_EQ(draws.size(), 1u);
    // 40 and 41 are on the ticket and show as caught; the rest as drawn only.
    EXPECT_EQ(view.looks[40], CellLook::Caught);
    EXPECT_EQ(view.looks[22], CellLook::NotCaught);
    EXPECT_EQ(state.Sets[1].Hits, 2);
}

TEST_F(GameCycleTest, OneGameSoundsAndSteps) {
    state.Balance = money::Dollars(10);
    cycle.play();
    EXPECT_EQ(view.balanceAtFirstBall, money::Dollars(9));  // the whole run is paid first
    QStringList expected{"WAVE_200 wait", "WAVE_202 wait", "WAVE_84 wait"};
    expected += ballSounds(draws.at(0));
    EXPECT_EQ(sounds.requests, expected);
    EXPECT_TRUE(log.matching("wait").isEmpty());
    EXPECT_TRUE(log.matching("centre").filter("To Go").isEmpty());
    EXPECT_FALSE(table.isEnabled(MenuItem::Next));
    EXPECT_TRUE(table.isEnabled(MenuItem::Open));
    EXPECT_FALSE(table.isEnabled(MenuItem::Play));
    EXPECT_TRUE(view.buttons[TableButton::Open]);
    EXPECT_FALSE(view.board);
    EXPECT_FALSE(view.betArrows);
    EXPECT_EQ(view.statusWord, "CLOSED");
    EXPECT_EQ(view.caption, "&You're Ahead $9.00");
}

TEST_F(GameCycleTest, ThreeGamesCountDownInTheCentre) {
    games(3);
    cycle.play();
    EXPECT_EQ(log.matching("centre ").filter("To Go"),
              (QStringList{"centre 2 Games To Go", "centre 1 Game To Go"}));
    EXPECT_EQ(log.matching("status "),
              (QStringList{"status CLOSED 000", "status OPEN 001", "status CLOSED 001",
                           "status OPEN 002", "status CLOSED 002"}));
    EXPECT_EQ(state.Balance, -money::Dollars(3));
    EXPECT_EQ(state.GamesToGo, 0);
}

TEST_F(GameCycleTest, PauseUntilNextWaitsForNextEveryGame) {
    games(3);
    state.PauseBetweenGames = kPauseUntilNext;
    waiter.duringWait = [this](int) {
        EXPECT_TRUE(view.buttons[TableButton::Next]);
        cycle.next();
    };
    cycle.play();
    EXPECT_EQ(log.matching("wait"), (QStringList{"wait until NEXT", "wait until NEXT"}));
    EXPECT_EQ(waiter.endedByDone, (QList<bool>{true, true}));
    EXPECT_FALSE(view.buttons[TableButton::Next]);
}

TEST_F(GameCycleTest, PauseBetweenGamesOnlyAfterAWinAtTheThreshold) {
    games(3);
    state.PauseBetweenGames = 5;
    state.PauseWinThreshold = money::Dollars(10);
    wins = {money::Dollars(8), money::Dollars(12), 0};
    cycle.play();
    const int afterFirst = static_cast<int>(log.lines.indexOf("centre 2 Games To Go"));
    const int wait = static_cast<int>(log.lines.indexOf("wait 5000"));
    EXPECT_EQ(log.matching("wait"), QStringList{"wait 5000"});
    EXPECT_GT(wait, afterFirst);  // after the second game, not the first
    EXPECT_EQ(state.Balance, money::Dollars(20 - 3));
}

TEST_F(GameCycleTest, PauseBetweenNumbersAfterEveryBall) {
    state.PauseBetweenNumbers = 2;
    cycle.play();
    EXPECT_EQ(log.matching("wait 2000").size(), 20);
}

TEST_F(GameCycleTest, GameNumberWrapsOnOpen) {
    state.GameNumber = 999;
    cycle.play();
    EXPECT_EQ(view.gameNumber, "999");
    cycle.open();
    EXPECT_EQ(view.gameNumber, "000");
    EXPECT_EQ(view.statusWord, "OPEN");
    EXPECT_EQ(view.statusColour, (Rgb{0, 255, 0}));
    EXPECT_EQ(sounds.requests.last(), "WAVE_201 wait");
    EXPECT_TRUE(table.isEnabled(MenuItem::Play));
    EXPECT_TRUE(table.isEnabled(MenuItem::Cast));
    EXPECT_FALSE(table.isEnabled(MenuItem::Open));
    // The drawn cells are back to their ticket looks.
    EXPECT_EQ(view.looks[40], CellLook::Marked);
    EXPECT_EQ(view.looks[22], CellLook::Unmarked);
    EXPECT_EQ(view.centre, "$50,000 VELLORO");
}

TEST_F(GameCycleTest, ClosingDuringARunEndsItWithoutRecording) {
    games(2);
    waiter.closeAfter = 10;  // during the first draw
    EXPECT_EQ(cycle.play(), GameCycle::RunEnd::Closing);
    EXPECT_TRUE(draws.empty());
    EXPECT_TRUE(log.matching("evaluate").isEmpty());
    EXPECT_EQ(cycle.phase(), GameCycle::Phase::Idle);
}

TEST_F(GameCycleTest, QuickPickFillsSetOneAtPlay) {
    table.resetTicket();
    table.cells().resetAll();
    state.KindCode = QStringLiteral("QP");
    state.SpotsMarked = 6;
    sounds.requests.clear();
    cycle.play();
    EXPECT_EQ(state.Sets[1].count(), 6);
    const std::set<int> picked(state.Sets[1].Numbers.begin(), state.Sets[1].Numbers.begin() + 6);
    EXPECT_EQ(picked.size(), 6u);
    EXPECT_EQ(sounds.requests.mid(1, 6), QStringList(6, "WAVE_87 wait"));
    EXPECT_EQ(state.SpotsPerSet, 6);
    EXPECT_EQ(table.cells().tag(*picked.begin()), 100 + *picked.begin());
}

// With sounds off the quick pick and the draw come in the same millisecond;
// seeded alike, the draw would replay the picked numbers and catch them all.
TEST_F(GameCycleTest, AQuickPickInTheSameMillisecondIsNotDrawnBack) {
    table.resetTicket();
    table.cells().resetAll();
    state.KindCode = QStringLiteral("QP");
    state.SpotsMarked = 8;
    state.SoundsOn = false;
    cycle.play();
    ASSERT_EQ(draws.size(), 1u);
    const std::vector<int> picked(state.Sets[1].Numbers.begin(), state.Sets[1].Numbers.begin() + 8);
    const std::vector<int> firstBalls(draws[0].begin(), draws[0].begin() + 8);
    EXPECT_NE(firstBalls, picked);
    EXPECT_LT(state.Sets[1].Hits, 8);
}

TEST_F(GameCycleTest, AFailedRecordingAbandonsTheRunButLeavesOpen) {
    games(3);
    RecorderDoing failing{[](const GameState&) {
        throw IoError(QStringLiteral("Games.vlr"), QStringLiteral("Disk full"));
    }};
    GameCycle other{table, random, {tickets, evaluator, failing, printer}};
    EXPECT_THROW(other.play(), IoError);
    EXPECT_EQ(other.phase(), GameCycle::Phase::Idle);
    EXPECT_EQ(state.GamesToGo, 0);
    EXPECT_TRUE(table.isEnabled(MenuItem::Open));
    EXPECT_TRUE(view.buttons[TableButton::Open]);
    other.open();
    EXPECT_TRUE(table.isEnabled(MenuItem::Play));
}

TEST_F(GameCycleTest, PlayFromTheLowestBalanceDoesNotWrapItRound) {
    // A damaged history header can hand over any balance at start-up.
    state.Balance = std::numeric_limits<Money>::min() + 5000;
    cycle.play();
    EXPECT_EQ(view.balanceAtFirstBall, std::numeric_limits<Money>::min());
    EXPECT_TRUE(view.caption.startsWith("&You're Down $922,337,203,685,477.5"))
        << view.caption.toStdString();
}

TEST_F(GameCycleTest, CastReturnsToAnEmptyTicket) {
    cycle.play();
    cycle.open();
    state.Kind = TicketKind::CatchAll;
    cycle.cast();
    EXPECT_EQ(sounds.requests.last(), "WAVE_82");
    EXPECT_EQ(state.Sets[1].count(), 0);
    EXPECT_EQ(table.cells().tag(40), 140);
    EXPECT_FALSE(table.checkedKind().has_value());
    EXPECT_TRUE(view.board);
    EXPECT_TRUE(view.betArrows);
    EXPECT_TRUE(view.specialCleared);
    EXPECT_FALSE(table.isEnabled(MenuItem::Play));
    EXPECT_TRUE(table.isEnabled(MenuItem::QuickPick));
    for (TableButton b :
         {TableButton::Play, TableButton::Open, TableButton::Cast, TableButton::Next})
        EXPECT_FALSE(view.buttons[b]);
}

TEST_F(GameCycleTest, SoundsOffPlaysNothing) {
    state.SoundsOn = false;
    games(2);
    cycle.play();
    cycle.open();
    cycle.cast();
    EXPECT_TRUE(sounds.requests.isEmpty());
}

// The golden log of the fixed clock's first 1000 games: one game a line, its
// 20 balls in draw order and then the hits of the ticket 3, 14, 40, 41, 77.
struct GoldenGame {
    std::array<std::uint8_t, 20> balls{};
    int hits = -1;
};

std::vector<GoldenGame> readGoldenGames() {
    QFile file(QStringLiteral(VELLORO_TESTS_DIR "/game/golden/thousand-games.txt"));
    std::vector<GoldenGame> games;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return games;
    while (!file.atEnd()) {
        const QStringList fields =
            QString::fromLatin1(file.readLine()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() != 22) continue;
        GoldenGame game;
        for (std::size_t i = 0; i < game.balls.size(); ++i)
            game.balls[i] = static_cast<std::uint8_t>(fields[static_cast<int>(i)].toInt());
        game.hits = fields[21].trimmed().toInt();
        games.push_back(game);
    }
    return games;
}

TEST_F(GameCycleTest, AThousandGameRunFollowsTheGoldenLog) {
    const std::vector<GoldenGame> golden = readGoldenGames();
    ASSERT_EQ(golden.size(), 1000u) << "the golden log is missing or damaged";
    games(1000);
    cycle.play();
    ASSERT_EQ(draws.size(), 1000u);

    QStringList expected{"sound WAVE_200 wait"};
    for (int game = 0; game < 1000; ++game) {
        const GoldenGame& gold = golden[static_cast<std::size_t>(game)];
        EXPECT_EQ(draws[static_cast<std::size_t>(game)], gold.balls) << "game " << game;
        EXPECT_EQ(hits[static_cast<std::size_t>(game)], gold.hits) << "game " << game;
        expected += {QStringLiteral("status CLOSED %1").arg(game, 3, 10, QLatin1Char('0')),
                     "sound WAVE_202 wait", "sound WAVE_84 wait"};
        for (const QString& s : ballSounds(gold.balls)) expected.append("sound " + s);
        expected += {"evaluate", "record", "centre BUST"};
        if (game == 999) break;
        const int toGo = 999 - game;
        expected +=
            {"centre " + QString::number(toGo) + (toGo == 1 ? " Game To Go" : " Games To Go")};
        expected += {QStringLiteral("status OPEN %1").arg(game + 1, 3, 10, QLatin1Char('0')),
                     "sound WAVE_201 wait"};
    }
    EXPECT_EQ(log.lines, expected);
    EXPECT_EQ(state.GameNumber, 999);
}

}  // namespace
