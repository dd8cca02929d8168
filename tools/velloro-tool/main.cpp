// velloro-tool: the game's numbers without the window. Each subcommand lives in
// a file of its own; ToolCommand.h says how to add one.
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

#include "ToolCommand.h"
#include "core/records/IoError.h"

namespace {

const QString kProgram = QStringLiteral("velloro-tool");
// Qt's own help option also offers --help-all for GUI options this tool has not.
const QCommandLineOption kHelp{{"h", "help"}, "Shows this help."};

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int UsageError(const QString& message, const QString& helpCommand) {
    Print(stderr, kProgram + QStringLiteral(": ") + message + QStringLiteral("\nTry '") +
                      helpCommand + QStringLiteral(" --help'.\n"));
    return 2;
}

// Commands whose name starts with `prefix` ("" for all), one per line.
QString CommandList(const QString& prefix) {
    qsizetype width = 0;
    for (const ToolCommand& command : ToolCommands())
        if (command.name.startsWith(prefix)) width = std::max(width, command.name.size());
    QString list = QStringLiteral("Commands:\n");
    for (const ToolCommand& command : ToolCommands())
        if (command.name.startsWith(prefix))
            list += QStringLiteral("  ") + command.name.leftJustified(width + 2) + command.summary +
                    '\n';
    return list;
}

// Qt's help text names the executable as it was started; ours names the command.
QString HelpText(const QCommandLineParser& parser, const QString& usage) {
    QString text = parser.helpText();
    const qsizetype lineEnd = text.indexOf('\n');
    return QStringLiteral("Usage: ") + usage + text.mid(lineEnd);
}

int RunCommand(const ToolCommand& command, QStringList arguments) {
    const QString helpCommand = kProgram + ' ' + command.name;
    QCommandLineParser parser;
    parser.setApplicationDescription(command.summary);
    parser.addOption(kHelp);
    command.declareOptions(parser);
    arguments.prepend(helpCommand);
    if (!parser.parse(arguments)) return UsageError(parser.errorText(), helpCommand);
    if (parser.isSet(kHelp)) {
        Print(stdout, HelpText(parser, helpCommand + ' ' + command.synopsis));
        return 0;
    }
    if (parser.positionalArguments().size() > command.positionalArguments)
        return UsageError(QStringLiteral("unexpected argument '%1'")
                              .arg(parser.positionalArguments().value(command.positionalArguments)),
                          helpCommand);
    try {
        return command.run(parser);
    } catch (const tool::UsageError& error) {
        return UsageError(error.message(), helpCommand);
    } catch (const IoError& error) {
        Print(stderr, error.message() + '\n');
        return 1;
    }
}

// The longest command name that the words at the front of `words` spell.
const ToolCommand* FindCommand(const QStringList& words) {
    const ToolCommand* found = nullptr;
    for (const ToolCommand& command : ToolCommands()) {
        const QStringList name = command.name.split(' ');
        if (words.mid(0, name.size()) == name &&
            (!found || command.name.size() > found->name.size()))
            found = &command;
    }
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(kProgram);
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLORO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The numbers of Velloro without the window: payoff schedules, odds and "
                       "the games history of a play folder."));
    parser.addOption(kHelp);
    const QCommandLineOption version{{"v", "version"}, "Shows the version."};
    parser.addOption(version);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(QCoreApplication::arguments()))
        return UsageError(parser.errorText(), kProgram);

    const QString topHelp = HelpText(parser, kProgram + QStringLiteral(" COMMAND [options]")) +
                            '\n' + CommandList(QString()) + QStringLiteral("\nRun '") + kProgram +
                            QStringLiteral(" COMMAND --help' for the options of a command.\n");
    if (parser.isSet(version)) {
        Print(stdout, kProgram + ' ' + QCoreApplication::applicationVersion() + '\n');
        return 0;
    }
    const QStringList words = parser.positionalArguments();
    if (parser.isSet(kHelp)) {
        Print(stdout, topHelp);
        return 0;
    }
    if (words.isEmpty()) {
        Print(stderr, topHelp);
        return 2;
    }
    if (const ToolCommand* command = FindCommand(words))
        return RunCommand(*command, words.mid(command->name.count(' ') + 1));

    // A group's name alone ("schedules") lists the group's commands.
    const QString group = words.first() + ' ';
    if (CommandList(group).count('\n') > 1) {
        const bool askedForHelp =
            words.value(1) == QStringLiteral("--help") || words.value(1) == QStringLiteral("-h");
        const QString text = QStringLiteral("Usage: ") + kProgram + ' ' + group +
                             QStringLiteral("COMMAND [options]\n\n") + CommandList(group);
        if (askedForHelp) {
            Print(stdout, text);
            return 0;
        }
        Print(stderr, text);
        return 2;
    }
    return UsageError(QStringLiteral("unknown command '%1'").arg(words.first()), kProgram);
}
