#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/records/HistoryFile.h"
#include "core/state/GameState.h"
#include "tools/ToolRun.h"

namespace {

QByteArray Sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

class ToolCommandLine : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(RunTool({"schedules", "make"}, dir_.path()).status, 0); }
    ToolRun run(const QStringList& arguments) const { return RunTool(arguments, dir_.path()); }
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(ToolCommandLine, HelpAndVersionGoToStandardOutput) {
    const ToolRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.errors.isEmpty());
    for (const char* command : {"history", "odds", "schedules make", "schedules show"})
        EXPECT_TRUE(help.output.contains(QByteArray("\n  ") + command + ' ')) << command;

    const ToolRun odds = run({"odds", "--help"});
    EXPECT_EQ(odds.status, 0);
    EXPECT_TRUE(odds.output.startsWith("Usage: velloro-tool odds --tab T --spots N [options]\n"));
    for (const char* option : {"--tab <T>", "--spots <N>", "--bet <DOLLARS>", "--percent",
                               "--file <FILE>", "--number <N>"})
        EXPECT_TRUE(odds.output.contains(option)) << option;

    const ToolRun group = run({"schedules", "--help"});
    EXPECT_EQ(group.status, 0);
    EXPECT_TRUE(group.output.contains("schedules show"));

    const ToolRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(
        QString::fromUtf8(version.output)
            .contains(QRegularExpression(QStringLiteral("^velloro-tool \\d+(\\.\\d+)+\\n$"))))
        << version.output.toStdString();
}

TEST_F(ToolCommandLine, EachWrongValueNamesTheOptionAndWhatItAllows) {
    const QString bet = QStringLiteral("--bet must be an amount from $0.05 to $100.00");
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{"odds", "--tab", "10", "--spots", "5"}, "--tab must be 0 to 9"},
        {{"odds", "--tab", "-1", "--spots", "5"}, "--tab must be 0 to 9"},
        {{"odds", "--tab", "one", "--spots", "5"}, "--tab must be 0 to 9"},
        {{"odds", "--spots", "5"}, "--tab is required (0 to 9)"},
        {{"odds", "--tab", "0", "--spots", "0"}, "--spots must be 1 to 20"},
        {{"odds", "--tab", "0", "--spots", "21"}, "--spots must be 1 to 20"},
        {{"odds", "--tab", "0"}, "--spots is required (1 to 20)"},
        {{"odds", "--tab", "0", "--spots", "5", "--number", "100"}, "--number must be 0 to 99"},
        {{"odds", "--tab", "0", "--spots", "5", "--bet", "0.04"}, bet},
        {{"odds", "--tab", "0", "--spots", "5", "--bet", "100.0001"}, bet},
        {{"odds", "--tab", "0", "--spots", "5", "--bet", "1.00001"}, bet},
        {{"odds", "--tab", "0", "--spots", "5", "--bet", "1,5"}, bet},
        {{"odds", "--tab", "0", "--spots", "5", "--file", ""}, "--file needs a file name"},
        {{"odds", "--tab", "0", "--spots"}, "Missing value after '--spots'."},
        {{"odds", "--tab", "0", "--spots", "5", "--colour"}, "Unknown option 'colour'."},
        {{"schedules", "show", "--number", "100"}, "--number must be 0 to 99"},
        {{"schedules", "show", "--number", "-1"}, "--number must be 0 to 99"},
        {{"schedules", "make", "--out", ""}, "--out needs a file name"},
        {{"history", "Games.vlr"}, "unexpected argument 'Games.vlr'"},
        {{"histroy"}, "unknown command 'histroy'"},
    };
    for (const auto& [arguments, message] : cases) {
        const ToolRun wrong = run(arguments);
        const QString call = arguments.join(' ');
        EXPECT_EQ(wrong.status, 2) << call.toStdString();
        EXPECT_TRUE(wrong.output.isEmpty()) << call.toStdString();
        EXPECT_EQ(wrong.errors.section('\n', 0, 0), QStringLiteral("velloro-tool: ") + message)
            << call.toStdString();
    }
    // A group without its command, and no command at all, list what there is.
    EXPECT_EQ(run({"schedules"}).status, 2);
    EXPECT_EQ(run({"schedules", "mend"}).status, 2);
    EXPECT_EQ(run({}).status, 2);
}

TEST_F(ToolCommandLine, AFileThatCannotBeWrittenIsOneLine) {
    const ToolRun run = this->run({"schedules", "make", "--out", "no/such/folder/cpos.vlr"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors.count('\n'), 1);
    EXPECT_TRUE(run.errors.startsWith("cpos.vlr: ")) << run.errors.toStdString();
}

// Outputs recorded once and kept: a change of wording, order or format in
// these commands shows up here.
TEST_F(ToolCommandLine, OutputsStayByteForByteAsRecorded) {
    EXPECT_EQ(Sha256(run({"schedules", "show", "--number", "57"}).output),
              "67b2b1a12acb8abb54affe6031977f918daeec5f9ff0d493540e150285a74178");
    EXPECT_EQ(Sha256(run({"odds", "--tab", "7", "--spots", "5", "--bet", "2.5", "--percent",
                          "--number", "3"})
                         .output),
              "fcff9a362a7e9a5be96bc01e2e4a72b8b57d761c6d71c3a7ef094dacc53e6f5c");
    EXPECT_EQ(Sha256(run({"odds", "--tab", "0", "--spots", "10"}).output),
              "765b9bce31acbea2c5b02c1b08200b92d1bcae0bddeb6ccbddee47e4d035a902");

    const QString games = dir_.filePath(QStringLiteral("Games.vlr"));
    CreateHistoryFile(games);
    GameState state;
    state.GameNumber = 0;
    state.Balance = -123456;
    state.GameWin = 1234567;
    state.Kind = TicketKind::AllCatches;
    state.KindCode = QStringLiteral("AC");
    state.SpotsMarked = 8;
    state.PricePerWay = 2500;
    state.Ways = 3;
    for (int i = 0; i < 20; ++i)
        state.Drawn[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(80 - 3 * i);
    RecordGame(state, games);
    state.GameNumber = 998;
    state.GameWin = 0;
    state.Kind = TicketKind::Way;
    state.KindCode.clear();
    state.SpotsPerSet = 4;
    state.WayCounts[1] = 6;
    RecordGame(state, games);
    const QByteArray history = run({"history", "--detail"}).output;
    EXPECT_EQ(history.count('\n'), 1000);
    EXPECT_EQ(Sha256(history), "dd8ee067e9f35de087940f7df2568eebfd0c3407c3f0e1534ca82d904fdd8dfd");
}
