#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/records/ScheduleFile.h"
#include "tools/ToolRun.h"

namespace {

class OddsCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        path = dir.filePath(QStringLiteral("cpos.vlr"));
        PayoffSchedule first;
        first.AggregateLimit = money::Dollars(50000);
        first.Tables.RegularPayoffs[0][1] = 30000;
        PayoffSchedule second = first;
        second.Tables.RegularPayoffs[0][1] = money::Dollars(4);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (const PayoffSchedule& schedule : {first, second}) {
            const std::vector<std::uint8_t> bytes = EncodeSchedule(schedule);
            file.write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<qint64>(bytes.size()));
        }
    }

    QTemporaryDir dir;
    QString path;
};

}  // namespace

TEST_F(OddsCommand, PrintsTheWindowsRowsAndTotals) {
    const ToolRun run =
        RunTool({"odds", "--tab", "0", "--spots", "1", "--bet", "0.50", "--file", path});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines().size(), 23);
    EXPECT_EQ(run.lines()[0], "0\t$0.00\t1 in 1.3333");
    EXPECT_EQ(run.lines()[1], "1\t$1.50\t1 in 4.0000");
    EXPECT_EQ(run.lines()[2], "\t\t");
    EXPECT_EQ(run.lines()[21], "Chance Of Winning\t1 in 4.0000");
    EXPECT_EQ(run.lines()[22], "Expected Return\t$0.38");

    const ToolRun percent = RunTool(
        {"odds", "--tab", "0", "--spots", "1", "--percent", "--number", "1", "--file", path});
    ASSERT_EQ(percent.status, 0);
    EXPECT_EQ(percent.lines()[1], "1\t$4.00\t25.00000000000000000%");
    EXPECT_EQ(percent.lines()[21], "Chance Of Winning\t25.000000%");
}

TEST_F(OddsCommand, SpotCountOutsideTheTabBecomesItsMinimum) {
    const ToolRun run = RunTool({"odds", "--tab", "1", "--spots", "3", "--file", path});
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(run.lines()[7].startsWith("7\t"));
    EXPECT_EQ(run.lines()[8], "\t\t");
}

TEST_F(OddsCommand, ReportsFileAndUsageErrors) {
    const ToolRun beyond =
        RunTool({"odds", "--tab", "0", "--spots", "1", "--number", "2", "--file", path});
    EXPECT_EQ(beyond.status, 1);
    EXPECT_TRUE(beyond.errors.contains("Read beyond end of file")) << beyond.errors.toStdString();
    EXPECT_TRUE(beyond.lines().isEmpty());

    EXPECT_EQ(RunTool({"odds", "--tab", "10", "--spots", "1", "--file", path}).status, 2);
    EXPECT_EQ(RunTool({"odds", "--spots", "1", "--file", path}).status, 2);
    EXPECT_EQ(RunTool({"odds", "--tab", "0", "--spots", "1", "--bet", "1.00001"}).status, 2);
    EXPECT_EQ(RunTool({"odds", "--tab", "0", "--spots", "1", "--bet", "-1"}).status, 2);
}

TEST_F(OddsCommand, ABetIsReadAsItsOwnErrorWritesIt) {
    const QStringList table{"odds", "--tab", "0", "--spots", "1", "--file", path, "--bet"};
    const ToolRun refused = RunTool(table + QStringList{"0"}, {}, "de_DE.UTF-8");
    ASSERT_EQ(refused.status, 2);
    const QRegularExpressionMatch range =
        QRegularExpression(" from (.+) to (.+)$", QRegularExpression::MultilineOption)
            .match(refused.errors);
    ASSERT_TRUE(range.hasMatch()) << refused.errors.toStdString();
    EXPECT_EQ(range.captured(1), QString::fromUtf8("0,05\u00a0\u20ac"));
    for (const QString& written : {range.captured(1), range.captured(2)})
        EXPECT_EQ(RunTool(table + QStringList{written}, {}, "de_DE.UTF-8").status, 0)
            << written.toStdString();
    const ToolRun comma = RunTool(table + QStringList{"2,50"}, {}, "de_DE.UTF-8");
    const ToolRun point = RunTool(table + QStringList{"2.50"}, {}, "de_DE.UTF-8");
    ASSERT_EQ(comma.status, 0) << comma.errors.toStdString();
    EXPECT_EQ(comma.output, point.output);
    EXPECT_TRUE(comma.lines().value(1).contains(QString::fromUtf8("7,50"))) << comma.output.data();
}
