#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/records/HistoryFile.h"
#include "core/state/GameState.h"
#include "support/SampleTickets.h"
#include "tools/ToolRun.h"

namespace {

class StatsCommandTest : public ::testing::Test {
  protected:
    QString file(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // A game recorded in `history`.
    void record(const char* history, GameState state, int game, Money win) {
        state.GameNumber = game;
        state.GameWin = win;
        state.NumberOfGames = 1;
        if (!QFile::exists(file(history))) CreateHistoryFile(file(history));
        RecordGame(state, file(history));
    }

    static void DrawOneToTwenty(GameState& state) {
        for (std::size_t i = 0; i < 20; ++i) state.Drawn[i] = static_cast<std::uint8_t>(i + 1);
    }

    // Number 5 at $1.00, drawn 1..20.
    static GameState OneSpot() {
        GameState state;
        DrawOneToTwenty(state);
        state.Sets[1].Numbers[0] = 5;
        state.SpotsMarked = state.SpotsPerSet = 1;
        state.PricePerWay = money::kOneDollar;
        return state;
    }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(StatsCommandTest, PrintsTheFiguresOfAPlainAndOfAWayTicket) {
    EXPECT_EQ(RunTool({"stats"}, dir_.path()).errors, "Games.vlr: File not found\n");
    // No game played: no schedule is needed.
    CreateHistoryFile(file("Games.vlr"));
    const ToolRun none = RunTool({"stats"}, dir_.path());
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.lines(), QStringList{"Games\t0"});

    record("Games.vlr", OneSpot(), 0, money::Dollars(3));
    const ToolRun noSchedules = RunTool({"stats"}, dir_.path());
    EXPECT_EQ(noSchedules.status, 1);
    EXPECT_EQ(noSchedules.errors, "cpos.vlr: File not found\n");
    ASSERT_EQ(RunTool({"schedules", "make"}, dir_.path()).status, 0);
    // Schedule 0 pays a 1-spot $3.00 on a quarter of the draws.
    const ToolRun plain = RunTool({"stats"}, dir_.path());
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(
        plain.lines(),
        (QStringList{"Games\t1", "Paid\t$1.00", "Won\t$3.00", "Return To Player\t300.00%",
                     "Expected Return\t$0.75", "Standard Deviation\t$1.30", "Luck\t+1.73",
                     "Fairness Statistic\t79.00", "Degrees Of Freedom\t79", "P Value\t0.4788"}));

    // A way ticket is worth what the ways command says of it.
    GameState way = ThreeGroupsOfFour();
    way.PricePerWay = money::kOneDollar;
    DrawOneToTwenty(way);
    record("Way.vlr", way, 0, 0);
    const ToolRun worth = RunTool(
        {"ways", "--size", "4", "--groups", "3", "--rows", "1,2,3", "--number", "7"}, dir_.path());
    ASSERT_EQ(worth.status, 0);
    const ToolRun stats = RunTool({"stats", "--file", "Way.vlr", "--number", "7"}, dir_.path());
    EXPECT_EQ(stats.lines().value(1), "Paid\t$7.00");
    EXPECT_EQ(stats.lines().value(4), worth.lines().filter("Expected Return\t").value(0));
    EXPECT_EQ(RunTool({"stats", "--number", "100"}, dir_.path()).status, 2);
}

TEST_F(StatsCommandTest, DamagedGamesAreSkippedAndCountedOnTheErrorStream) {
    ASSERT_EQ(RunTool({"schedules", "make"}, dir_.path()).status, 0);
    record("Games.vlr", OneSpot(), 0, 0);
    GameState damaged = OneSpot();
    damaged.Drawn[3] = 93;
    record("Games.vlr", damaged, 1, 0);
    GameState twice = OneSpot();
    twice.Sets[1].Numbers[1] = 5;
    twice.SpotsMarked = twice.SpotsPerSet = 2;
    record("Games.vlr", twice, 2, 0);

    const ToolRun run = RunTool({"stats"}, dir_.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines().value(0), "Games\t1");
    EXPECT_EQ(run.errors,
              "Games.vlr: Game #001 skipped: ball 93 was drawn\n"
              "Games.vlr: Game #002 skipped: its ticket: number 5 is on the ticket twice\n"
              "Games.vlr: 2 damaged games skipped\n");
}
