#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/records/FileBytes.h"
#include "core/records/HistoryFile.h"
#include "core/records/IoError.h"
#include "core/schedules/ScheduleDesign.h"
#include "game/GameCycle.h"
#include "game/TableFakes.h"
#include "game/TicketBuilder.h"
#include "support/FileSizeLimit.h"
#include "support/QuietTable.h"

using file_bytes::intAt;

namespace {

constexpr qsizetype kRecord = 1800;

struct WriteFaultTest : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Games.vlr"));
    GameState state;
    StepLog log;
    FakeTableView view{log};
    FakeWaiter waiter{log};
    SilentSoundPlayer sounds;
    TableControls table{state, view, sounds, waiter};
    std::uint32_t clock = 1000;
    RandomSource random{[this] { return clock += 1000; }};
    std::vector<Money> wins;
    QuietWayRows rows;
    TicketBuilder tickets{table, rows};
    EvaluatorDoing evaluator{[this](GameState& s) {
        const GameResult result = EvaluateGame(s, random);
        wins.push_back(s.GameWin);
        return result;
    }};
    HistoryRecorder recorder{path, true};
    NoPrinting printer;
    GameCycle cycle{table, random, {tickets, evaluator, recorder, printer}};

    void SetUp() override {
        const PayoffSchedule schedule = schedule_design::Design(0);
        state.Payoffs = schedule.Tables;
        state.AggregateLimit = schedule.AggregateLimit;
        state.SoundsOn = false;
        ASSERT_TRUE(OpenHistoryAtStartup(state, path).recordingEnabled);
        cycle.openNextGame();
        table.resetTicket();
        for (int n : {7, 8, 9, 10, 17, 18, 19, 20}) tickets.onCellPressed(n);
        state.NumberOfGames = 6;
        bet::UpdateTotals(state);
    }
    QByteArray content() const { return file_bytes::readAll(path); }
};

// Games 0 and 1 reach the file; game 2's slot lies past what the disk takes.
TEST_F(WriteFaultTest, AFullDiskEndsTheRunWithTheBooksStraightAndTheFileIntact) {
    try {
        FileSizeLimit full(3 * kRecord);
        cycle.play();
        FAIL() << "the failed write went unreported";
    } catch (const IoError& error) {
        EXPECT_EQ(error.fileName(), "Games.vlr");
        EXPECT_EQ(error.reason(), "Disk write error");
    }
    ASSERT_EQ(wins.size(), 3u);
    // Three games paid out; the three never drawn are given back.
    EXPECT_EQ(state.Balance, -money::Dollars(3) + wins[0] + wins[1] + wins[2]);
    EXPECT_EQ(view.caption, BalanceCaption(state.Balance));
    EXPECT_EQ(state.GameNumber, 2);
    EXPECT_TRUE(table.isEnabled(MenuItem::Open));

    const QByteArray after = content();
    ASSERT_EQ(after.size(), 1001 * kRecord);
    EXPECT_EQ(intAt(after, 0, 4), 1);  // the header names the last game written
    // The settled balance: the two games recorded, not the six paid at PLAY.
    EXPECT_EQ(intAt(after, 4, 8), -money::Dollars(2) + wins[0] + wins[1]);
    EXPECT_EQ(intAt(after, 2 * kRecord, 4), 1);
    EXPECT_NE(after.at(2 * kRecord + 1692), 0);  // game 1 has its balls
    EXPECT_EQ(after.at(3 * kRecord + 1692), 0);  // game 2 never reached its slot

    // With room again the numbering goes on from the game shown, no gap, no repeat.
    cycle.open();
    EXPECT_EQ(view.gameNumber, "003");
    state.NumberOfGames = 1;
    bet::UpdateTotals(state);
    cycle.play();
    const QByteArray resumed = content();
    EXPECT_EQ(intAt(resumed, 0, 4), 3);
    EXPECT_EQ(intAt(resumed, 4, 8), state.Balance);
    EXPECT_EQ(intAt(resumed, 4 * kRecord, 4), 3);
    EXPECT_EQ(resumed.mid(kRecord, 2 * kRecord), after.mid(kRecord, 2 * kRecord));  // games 0 and 1
}

}  // namespace

// A first start on a disk without room for the new history: the game starts
// without recording and leaves no cut-off file that every later start would
// refuse as damaged.
TEST(HistoryCreation, NoRoomLeavesNoPartOfTheFileBehind) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Games.vlr"));
    GameState state;
    HistoryStartup startup;
    {
        FileSizeLimit full(100 * kRecord);
        startup = OpenHistoryAtStartup(state, path);
    }
    EXPECT_FALSE(startup.recordingEnabled);
    EXPECT_TRUE(startup.warning.contains("Games.vlr")) << startup.warning.toStdString();
    EXPECT_TRUE(startup.warning.contains("Disk write error")) << startup.warning.toStdString();
    EXPECT_EQ(state.GameNumber, -1);
    EXPECT_FALSE(QFile::exists(path));
    // The next start, with room, creates it whole.
    EXPECT_TRUE(OpenHistoryAtStartup(state, path).recordingEnabled);
    EXPECT_EQ(QFile(path).size(), 1001 * kRecord);
}
