#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/records/HistoryFile.h"
#include "core/records/RecordFile.h"
#include "core/schedules/ScheduleDesign.h"
#include "game/GameCycle.h"
#include "game/TableFakes.h"
#include "game/TicketBuilder.h"
#include "support/QuietTable.h"

namespace {

// What a kill finds on the disk: the games whose slots are played, and the
// balance a restart takes from the header.
struct OnDisk {
    int games = 0;
    Money wins = 0;
    Money balance = 0;
};

OnDisk Read(const QString& path) {
    const HistoryContents history = ReadHistoryContents(path);
    OnDisk disk;
    for (const GameRecord& game : history.games) {
        if (!game.played()) continue;
        ++disk.games;
        disk.wins += game.GameWin;
    }
    GameState restarted;
    EXPECT_TRUE(OpenHistoryAtStartup(restarted, path).recordingEnabled);
    disk.balance = restarted.Balance;
    return disk;
}

// Calls `step` at every wait and every sound; the application closes at the
// step numbered `closeAt`.
class SteppingWaiter : public Waiter {
  public:
    bool waitUntil(const std::function<bool()>&, int) override { return step(); }
    bool waitForSound(const std::function<bool()>&, int) override { return step(); }
    bool processPending() override { return step(); }
    void waitForInput() override {}
    void markClosing() override { closing = true; }
    bool step() {
        if (onStep) onStep();
        if (steps++ == closeAt) closing = true;
        return !closing;
    }

    std::function<void()> onStep;
    int steps = 0;
    int closeAt = -1;
    bool closing = false;
};

class SteppingSoundPlayer : public SoundPlayer {
  public:
    explicit SteppingSoundPlayer(SteppingWaiter& waiter) : waiter_(waiter) {}
    void play(const QString&, Wait) override {
        if (waiter_.onStep) waiter_.onStep();
    }
    void startMusic() override {}
    void stopMusic() override {}

  private:
    SteppingWaiter& waiter_;
};

constexpr Money kStartingBalance = 12'3400;  // $12.34

// A 3-game run of an 8-spot ticket at $2.00 a game, with the sounds on, in a
// history that already holds a balance.
struct StoppedRun {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Games.vlr"));
    GameState state;
    StepLog log;
    FakeTableView view{log};
    SteppingWaiter waiter;
    SteppingSoundPlayer sounds{waiter};
    TableControls table{state, view, sounds, waiter};
    std::uint32_t clock = 1000;
    RandomSource random{[this] { return clock += 7919; }};
    int evaluated = 0;
    QuietWayRows rows;
    TicketBuilder tickets{table, rows};
    EvaluatorDoing evaluator{[this](GameState& s) {
        ++evaluated;
        return EvaluateGame(s, random);
    }};
    RecorderDoing recorder{[this](const GameState& s) {
        check("before a recording", 1);
        RecordGame(s, path);
        check("after a recording");
    }};
    NoPrinting printer;
    std::unique_ptr<GameCycle> cycle;

    explicit StoppedRun(int closeAt) {
        const PayoffSchedule schedule = schedule_design::Design(0);
        state.Payoffs = schedule.Tables;
        state.AggregateLimit = schedule.AggregateLimit;
        state.SoundsOn = true;
        CreateHistoryFile(path);
        std::vector<std::uint8_t> header(kGameRecordSize, 0);
        bytes::WriteInt(header, 0, 4, kHistorySlots - 1);
        bytes::WriteInt(header, 4, 8, kStartingBalance);
        RecordFile(path, kGameRecordSize, RecordFile::Mode::ReadWrite).write(0, header);
        EXPECT_TRUE(OpenHistoryAtStartup(state, path).recordingEnabled);

        cycle = std::make_unique<GameCycle>(
            table, random, GameCycle::Steps{tickets, evaluator, recorder, printer});
        cycle->openNextGame();
        table.resetTicket();
        for (int n : {3, 14, 15, 26, 35, 58, 69, 77}) tickets.onCellPressed(n);
        state.PricePerWay = money::Dollars(2);
        state.NumberOfGames = 3;
        bet::UpdateTotals(state);
        waiter.closeAt = closeAt;
    }
    // Checks the files at every step, as a kill at that moment would find them.
    void checkEveryStep() {
        waiter.onStep = [this] { check(QStringLiteral("at step %1").arg(waiter.steps)); };
    }

    // A kill now restarts the game with what the recorded games earned, and
    // every game paid is among them: only inside its recording is the one just
    // paid (not yet shown) missing.
    void check(const QString& when, int unrecorded = 0) {
        const OnDisk disk = Read(path);
        const Money price = money::Dollars(2);
        EXPECT_EQ(disk.balance, kStartingBalance + disk.wins - disk.games * price)
            << when.toStdString();
        EXPECT_EQ(disk.games, evaluated - unrecorded) << when.toStdString();
    }
};

}  // namespace

// A 3-game run checked at every wait and every sound as a kill would find the
// files, then stopped at each of them as Exit and the close box stop it.
TEST(StopAnywhere, EveryStopKeepsWhatTheRecordedGamesEarnedAndEveryGameShown) {
    int steps = 0;
    {
        StoppedRun whole(-1);
        whole.checkEveryStep();
        EXPECT_EQ(whole.cycle->play(), GameCycle::RunEnd::Finished);
        steps = whole.waiter.steps;
        EXPECT_EQ(Read(whole.path).games, 3);
    }
    ASSERT_GT(steps, 60);
    for (int closeAt = 0; closeAt < steps; ++closeAt) {
        StoppedRun run(closeAt);
        EXPECT_EQ(run.cycle->play(), GameCycle::RunEnd::Closing) << closeAt;
        run.check(QStringLiteral("after the stop at step %1").arg(closeAt));
        if (HasFailure()) break;
    }
}
