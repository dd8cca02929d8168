#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/records/FileBytes.h"
#include "core/records/HistoryFile.h"
#include "core/records/ScheduleFile.h"
#include "core/schedules/ScheduleDesign.h"
#include "core/state/GameState.h"
#include "tools/ToolRun.h"

namespace {

class ToolCommandsTest : public ::testing::Test {
  protected:
    QString file(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(ToolCommandsTest, SchedulesMakeWritesTheSameHundredRecordsEachTime) {
    ASSERT_EQ(RunTool({"schedules", "make"}, dir_.path()).status, 0);
    ASSERT_EQ(RunTool({"schedules", "make", "--out", "again.vlr"}, dir_.path()).status, 0);
    const QByteArray first = file_bytes::readAll(file("cpos.vlr"));
    EXPECT_EQ(first.size(), 100 * 5616);
    EXPECT_TRUE(first == file_bytes::readAll(file("again.vlr")));
    EXPECT_EQ(readSchedule(file("cpos.vlr"), 0), schedule_design::Design(0));
}

TEST_F(ToolCommandsTest, SchedulesShowPrintsTablesAndReturns) {
    ASSERT_EQ(RunTool({"schedules", "make"}, dir_.path()).status, 0);
    const ToolRun shown = RunTool({"schedules", "show"}, dir_.path());
    ASSERT_EQ(shown.status, 0);
    EXPECT_EQ(shown.lines().value(0), "Schedule 0");
    EXPECT_EQ(shown.lines().value(1), "Aggregate limit $50,000");
    EXPECT_TRUE(shown.lines().contains("  1 spot\t- $3.00 - - - - - - - - - - - - - - - - - - -"));
    EXPECT_TRUE(shown.lines().contains("  Regular 1 spot\t75.00%"));
    EXPECT_TRUE(
        shown.lines().filter(QRegularExpression("^  Thirty-Two Spot\t\\d+\\.\\d\\d%$")).size() ==
        1);

    const ToolRun last = RunTool({"schedules", "show", "--number", "99"}, dir_.path());
    EXPECT_EQ(last.lines().value(0), "Schedule 99");

    file_bytes::writeAll(file("short.vlr"), file_bytes::readAll(file("cpos.vlr")).left(3 * 5616));
    const ToolRun beyond =
        RunTool({"schedules", "show", "--number", "3", "--file", "short.vlr"}, dir_.path());
    EXPECT_EQ(beyond.status, 1);
    EXPECT_EQ(beyond.errors, "short.vlr: Read beyond end of file\n");
}

TEST_F(ToolCommandsTest, HistoryListsEverySlotInFileOrder) {
    CreateHistoryFile(file("Games.vlr"));
    GameState state;
    state.GameNumber = 1;
    state.GameWin = 20000;
    state.SpotsMarked = 1;
    state.Drawn[0] = 80;
    RecordGame(state, file("Games.vlr"));
    const ToolRun run = RunTool({"history"}, dir_.path());
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.lines().size(), 1000);
    EXPECT_EQ(run.lines()[0], "000\tnot played");
    EXPECT_TRUE(
        run.lines()[1].startsWith("001\twon $2.00, kind 0, 1 spots, $1.00 per way, balls 80 0"));
    EXPECT_EQ(run.lines()[999], "999\tnot played");
}

TEST_F(ToolCommandsTest, DamagedHistoryIsOneErrorLine) {
    CreateHistoryFile(file("Games.vlr"));
    QByteArray data = file_bytes::readAll(file("Games.vlr"));
    file_bytes::putInt(data, 0, 4, 4242);
    file_bytes::writeAll(file("Games.vlr"), data);
    const ToolRun run = RunTool({"history", "--file", file("Games.vlr")}, dir_.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.lines().isEmpty());
    EXPECT_EQ(run.errors.count('\n'), 1);
    EXPECT_TRUE(run.errors.startsWith("Games.vlr: ")) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains("4242"));

    const ToolRun missing = RunTool({"history", "--file", "nowhere.vlr"}, dir_.path());
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.errors, "nowhere.vlr: File not found\n");
}

TEST_F(ToolCommandsTest, WaysPrintsTheWholeTicketsFigures) {
    // Two groups of one number, both rows bet: a single catch pays one way
    // $2.00; both caught pay $2.00 twice and the pair $10.00.
    PayoffSchedule schedule;
    schedule.AggregateLimit = money::dollars(50000);
    schedule.Tables.RegularPayoffs[0][1] = money::dollars(2);
    schedule.Tables.RegularPayoffs[1][2] = money::dollars(10);
    file_bytes::writeAll(file("cpos.vlr"), file_bytes::fromRecord(encodeSchedule(schedule)));

    // Of 80 x 79 ordered pairs of draw positions, 2 x 20 x 60 catch one and
    // 20 x 19 catch both: 2780 in 6320 win, the mean is 10120 / 6320 dollars.
    const ToolRun run =
        RunTool({"ways", "--size", "1", "--groups", "2", "--rows", "1,2"}, dir_.path());
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(run.lines(), QStringList({"Ways\t3", "Price Per Game\t$3.00",
                                        "Chance Of Winning\t1 in 2.2734", "Expected Return\t$1.60",
                                        "Return To Player\t53.38%", "Top Win\t$14.00"}));
    const ToolRun cheap = RunTool({"ways", "--size", "1", "--groups", "2", "--rows", "2,1", "--bet",
                                   "0.05", "--file", file("cpos.vlr")},
                                  dir_.path());
    EXPECT_EQ(
        cheap.lines().mid(1),
        QStringList({"Price Per Game\t$0.15", "Chance Of Winning\t1 in 2.2734",
                     "Expected Return\t$0.08", "Return To Player\t53.38%", "Top Win\t$0.70"}));

    const QStringList refused[] = {
        {"ways", "--size", "8", "--groups", "2", "--rows", "1"},
        {"ways", "--size", "2", "--groups", "41", "--rows", "1"},
        {"ways", "--size", "4", "--groups", "5", "--rows", "1,4"},
        {"ways", "--size", "1", "--groups", "80", "--rows", "4", "--bet", "0.05"},  // $79,079
    };
    for (const QStringList& arguments : refused) {
        const ToolRun no = RunTool(arguments, dir_.path());
        EXPECT_EQ(no.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(no.output.isEmpty());
        EXPECT_TRUE(no.errors.startsWith("velloro-tool: refused: ")) << no.errors.toStdString();
    }
    EXPECT_EQ(
        RunTool({"ways", "--size", "1", "--groups", "2", "--rows", "1,x"}, dir_.path()).status, 2);
    EXPECT_EQ(RunTool({"ways", "--size", "1", "--groups", "2"}, dir_.path()).status, 2);
    const ToolRun missing =
        RunTool({"ways", "--size", "1", "--groups", "2", "--rows", "1", "--file", "nowhere.vlr"},
                dir_.path());
    EXPECT_EQ(missing.errors, "nowhere.vlr: File not found\n");
}

TEST_F(ToolCommandsTest, MusicMakeWritesTheTuneAndNamesAFileItCannotWrite) {
    ASSERT_EQ(RunTool({"music", "make"}, dir_.path()).status, 0);
    const QByteArray tune = file_bytes::readAll(file("Keno.Mid"));
    EXPECT_TRUE(tune.startsWith(QByteArray::fromHex("4d546864000000060001000501e0")));  // 5 tracks
    EXPECT_EQ(RunTool({"music", "make", "--out", "copy.mid"}, dir_.path()).status, 0);
    EXPECT_TRUE(tune == file_bytes::readAll(file("copy.mid")));

    const ToolRun failed = RunTool({"music", "make", "--out", "no/such/dir/Keno.Mid"}, dir_.path());
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.errors.startsWith("no/such/dir/Keno.Mid: ")) << failed.errors.toStdString();
    EXPECT_EQ(RunTool({"music", "make", "--out"}, dir_.path()).status, 2);
}
