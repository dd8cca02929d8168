#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/records/FileBytes.h"
#include "core/records/HistoryFile.h"
#include "core/records/ScheduleFile.h"
#include "core/schedules/ScheduleDesign.h"
#include "core/state/GameState.h"
#include "core/tickets/TicketFile.h"
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
    EXPECT_EQ(ReadSchedule(file("cpos.vlr"), 0), schedule_design::Design(0));
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

TEST_F(ToolCommandsTest, HistoryListsTheWindowsLinesInTheChosenOrder) {
    CreateHistoryFile(file("Games.vlr"));
    GameState state;
    state.SpotsMarked = 1;
    state.Drawn[0] = 80;
    for (int game : {1, 2}) {
        state.GameNumber = game;
        state.GameWin = 20000;
        RecordGame(state, file("Games.vlr"));
    }
    // The widest wins sort by their amount, as in the window.
    for (const auto& [game, win] :
         {std::pair{3, money::Dollars(1'000'000)}, std::pair{4, money::Dollars(100'000)}}) {
        state.GameNumber = game;
        state.GameWin = win;
        RecordGame(state, file("Games.vlr"));
    }
    const ToolRun run = RunTool({"history"}, dir_.path());
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.lines().size(), 1000);
    EXPECT_EQ(run.lines()[0], "000\t           $0.00");
    EXPECT_EQ(run.lines()[1], "001\t           $2.00");
    EXPECT_EQ(run.lines()[999], "999\t           $0.00");

    const ToolRun byWin = RunTool({"history", "--sort", "win-desc"}, dir_.path());
    ASSERT_EQ(byWin.lines().size(), 1000);
    EXPECT_EQ(byWin.lines().mid(0, 5),
              (QStringList{"003\t$1,000,000.00", "004\t$100,000.00", "002\t           $2.00",
                           "001\t           $2.00", "999\t           $0.00"}));
    EXPECT_EQ(byWin.lines().last(), "000\t           $0.00");

    const ToolRun detail = RunTool({"history", "--detail"}, dir_.path());
    EXPECT_EQ(detail.lines().value(0), "000\tnot played");
    EXPECT_TRUE(detail.lines().value(1).startsWith(
        "001\twon $2.00, kind 0, 1 spots, $1.00 per way, balls 80 0"));
    EXPECT_EQ(RunTool({"history", "--sort", "sideways"}, dir_.path()).status, 2);
}

TEST_F(ToolCommandsTest, ReplayAndFrequencyPrintTheWindowsTexts) {
    ASSERT_EQ(RunTool({"replay", "7"}, dir_.path()).lines(), QStringList{"Game #007"});
    CreateHistoryFile(file("Games.vlr"));
    GameState state;
    state.GameNumber = 0;
    state.Kind = TicketKind::Way;
    state.SpotsPerSet = 1;
    state.CompletedSets = 2;
    state.Ways = 2;
    state.PricePerWay = 10000;
    state.WayCounts[0] = 2;
    state.Sets[1].Numbers[0] = 9;
    state.Sets[1].Hits = 1;
    state.Sets[2].Numbers[0] = 70;
    for (int i = 0; i < 20; ++i)
        state.Drawn[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
    RecordGame(state, file("Games.vlr"));

    // A way ticket reads the schedules; without them the error names the file.
    const ToolRun noSchedules = RunTool({"replay", "0"}, dir_.path());
    EXPECT_EQ(noSchedules.status, 1);
    EXPECT_EQ(noSchedules.errors, "cpos.vlr: File not found\n");
    ASSERT_EQ(RunTool({"schedules", "make"}, dir_.path()).status, 0);
    const ToolRun way = RunTool({"replay", "0", "--number", "0"}, dir_.path());
    ASSERT_EQ(way.status, 0);
    EXPECT_EQ(way.lines().value(0), "Game #000");
    EXPECT_EQ(way.lines().value(8), "In Set 1 You Marked 9");
    EXPECT_EQ(way.lines().value(10), "You Bet On 2 Groups Of  1");
    EXPECT_EQ(way.lines().value(11), "    1 Times You Hit 0 Out Of  1");
    EXPECT_EQ(way.lines().value(14), "        Each Paying $3.00 For A Subtotal Of  $3.00");
    EXPECT_EQ(RunTool({"replay", "1000"}, dir_.path()).status, 2);

    const ToolRun opening = RunTool({"frequency"}, dir_.path());
    ASSERT_EQ(opening.status, 0);
    ASSERT_EQ(opening.lines().size(), 81);
    EXPECT_EQ(opening.lines()[0], "GAME");  // only game 0: that game is counted
    EXPECT_EQ(opening.lines()[1], "   1 Drawn 1 Times");
    const ToolRun one = RunTool({"frequency", "--games", "1"}, dir_.path());
    EXPECT_EQ(one.lines().value(1), "   1 Drawn 1 Times");
    EXPECT_EQ(one.lines().value(21), "21 Drawn 0 Times");
    EXPECT_EQ(RunTool({"frequency", "--games", "0"}, dir_.path()).status, 2);
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
    schedule.AggregateLimit = money::Dollars(50000);
    schedule.Tables.RegularPayoffs[0][1] = money::Dollars(2);
    schedule.Tables.RegularPayoffs[1][2] = money::Dollars(10);
    file_bytes::writeAll(file("cpos.vlr"), file_bytes::fromRecord(EncodeSchedule(schedule)));

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

TEST_F(ToolCommandsTest, TicketsListsTheSavedTicketsInFileOrder) {
    GameState way;
    way.Kind = TicketKind::Way;
    way.SpotsPerSet = 4;
    way.CompletedSets = 3;
    way.CurrentSet = 4;
    way.Ways = 7;
    way.PricePerWay = 500;
    way.NumberOfGames = 12;
    GameState quickPick;
    quickPick.KindCode = "QP";
    quickPick.SpotsMarked = 7;
    TicketFile saved(file("mine.vlr"));
    saved.save(SavedTicketFromState(way, QString::fromUtf8("Zoë's ways")));
    saved.save(SavedTicketFromState(quickPick, "Lucky"));

    const ToolRun listed = RunTool({"tickets", "--file", "mine.vlr"}, dir_.path());
    ASSERT_EQ(listed.status, 0);
    EXPECT_EQ(
        listed.lines(),
        (QStringList{QString::fromUtf8("Zoë's ways\t-\t4 spots\t3 sets\t7 ways\t$0.05\t12 games"),
                     "Lucky\tQP\t7 spots\t1 set\t1 way\t$1.00\t1 game"}));
    const ToolRun missing = RunTool({"tickets"}, dir_.path());
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.errors.startsWith("Tickets.vlr: "));
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

TEST_F(ToolCommandsTest, AuditRepaysEachGameFromTheScheduleThatPaysIt) {
    // Two schedules: a caught 1 spot pays $2.00 under the first, $7.00 under the second.
    QByteArray schedules;
    for (const int dollars : {2, 7}) {
        PayoffSchedule schedule;
        schedule.ScheduleNumber = dollars == 2 ? 0 : 1;
        schedule.AggregateLimit = money::Dollars(50000);
        schedule.Tables.RegularPayoffs[0][1] = money::Dollars(dollars);
        schedules += file_bytes::fromRecord(EncodeSchedule(schedule));
    }
    file_bytes::writeAll(file("cpos.vlr"), schedules);

    // Number 9 marked and drawn, at $1.00: won $2, $7, $5 (no schedule pays
    // that), then $0 with its catch left out of the record.
    CreateHistoryFile(file("Games.vlr"));
    GameState state;
    state.SpotsMarked = state.SpotsPerSet = 1;
    state.Ways = 1;
    state.PricePerWay = money::Dollars(1);
    state.Sets[1].Numbers[0] = 9;
    for (int i = 0; i < 20; ++i)
        state.Drawn[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
    const int wins[] = {2, 7, 5, 0};
    for (int game = 0; game < 4; ++game) {
        state.GameNumber = game;
        state.GameWin = money::Dollars(wins[game]);
        state.Sets[1].Hits = game == 3 ? 0 : 1;
        RecordGame(state, file("Games.vlr"));
    }
    const ToolRun run = RunTool({"audit"}, dir_.path());
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(run.lines(), (QStringList{"Game #000\t$2.00\tre-paid by schedule 0",
                                        "Game #001\t$7.00\tre-paid by schedule 1",
                                        "Game #002\t$5.00\tNOT RE-PAID by any schedule",
                                        "Game #003\t$0.00\tNOT RE-PAID: set 1 caught 1, recorded 0",
                                        "Re-paid\t2 of 4",
                                        "Balance\t$0.00\tDIFFERS from the $10.00 earned by "
                                        "the 4 games recorded"}));

    // The wins less the four $1.00 prices; once the numbering has come round,
    // the games that made the balance are no longer all there.
    state.Balance = money::Dollars(10);
    RecordGame(state, file("Games.vlr"));
    EXPECT_EQ(RunTool({"audit"}, dir_.path()).lines().last(),
              "Balance\t$10.00\tearned by the 4 games recorded");
    state.GameNumber = 999;
    RecordGame(state, file("Games.vlr"));
    EXPECT_EQ(RunTool({"audit"}, dir_.path()).lines().last(),
              "Balance\t$10.00\tnot checked: the games before the oldest one recorded are gone");
}
