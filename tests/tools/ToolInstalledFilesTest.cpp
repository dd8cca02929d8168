#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

namespace {

QString Output(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60'000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every command and option as velloro-tool's help texts list them.
std::map<QString, QStringList> CommandsAndOptions() {
    std::map<QString, QStringList> commands;
    static const QRegularExpression kCommandLine(QStringLiteral("^  ([a-z-]+(?: [a-z-]+)?)  "));
    static const QRegularExpression kOption(QStringLiteral("--[a-z][a-z-]*"));
    const QString help = Output(QStringLiteral(VELLORO_TOOL_PATH), {"--help"});
    for (const QString& line : help.section(QStringLiteral("Commands:\n"), 1).split('\n')) {
        const QRegularExpressionMatch command = kCommandLine.match(line);
        if (!command.hasMatch()) continue;
        QStringList arguments = command.captured(1).split(' ');
        arguments << QStringLiteral("--help");
        QStringList& options = commands[command.captured(1)];
        for (const auto& option :
             kOption.globalMatch(Output(QStringLiteral(VELLORO_TOOL_PATH), arguments)))
            if (!options.contains(option.captured())) options << option.captured();
    }
    return commands;
}

}  // namespace

TEST(ToolInstalledFiles, ManualPageDescribesEveryCommandAndOption) {
    QFile page(QStringLiteral(QT_TESTCASE_SOURCEDIR "/assets/man/velloro-tool.6"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll()).replace(QStringLiteral("\\-"), "-");
    const auto commands = CommandsAndOptions();
    ASSERT_GE(commands.size(), 4u);
    for (const auto& [command, options] : commands) {
        EXPECT_TRUE(text.contains(QStringLiteral(".BR ") + command) ||
                    text.contains(QStringLiteral(".BR \"") + command + '"'))
            << command.toStdString();
        for (const QString& option : options)
            EXPECT_TRUE(text.contains(option))
                << command.toStdString() << ' ' << option.toStdString();
    }
}

TEST(ToolInstalledFiles, BashCompletesCommandsThenTheirOptions) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"),
                       QFileInfo(QStringLiteral(VELLORO_TOOL_PATH)).absolutePath() + ':' +
                           environment.value(QStringLiteral("PATH")));
    const QString script = QStringLiteral(
        "source '" QT_TESTCASE_SOURCEDIR
        "/assets/completion/velloro-tool.bash'\n"
        "complete_words() { COMP_WORDS=(\"$@\"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1));\n"
        "  _velloro_tool; echo \"${COMPREPLY[*]}\"; }\n"
        "complete_words velloro-tool ''\n"
        "complete_words velloro-tool schedules ''\n"
        "complete_words velloro-tool odds --tab 3 --\n");
    const QStringList offered =
        Output(QStringLiteral("bash"), {"-c", script}, environment).split('\n');
    ASSERT_GE(offered.size(), 3);
    for (const char* word : {"--help", "--version", "history", "odds", "schedules"})
        EXPECT_TRUE(offered[0].split(' ').contains(QLatin1String(word))) << word;
    EXPECT_EQ(offered[1], "make show");
    EXPECT_EQ(offered[2], "--bet --file --help --number --percent --spots --tab");
}
