// velloro-tool: the game's numbers without the window.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <iostream>

#include "ToolCommand.h"
#include "core/records/IoError.h"

std::map<std::string, ToolCommand>& toolCommands() {
    static std::map<std::string, ToolCommand> commands;
    return commands;
}

namespace tool {

QString optionValue(const QStringList& arguments, const QString& option, const QString& fallback,
                    bool* missingValue) {
    const auto at = arguments.indexOf(option);
    if (at < 0) return fallback;
    if (at + 1 >= arguments.size()) {
        if (missingValue) *missingValue = true;
        return fallback;
    }
    return arguments[at + 1];
}

bool hasFlag(const QStringList& arguments, const QString& flag) { return arguments.contains(flag); }

bool onlyKnown(const QStringList& arguments, const QStringList& valueOptions,
               const QStringList& flags) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (valueOptions.contains(arguments[i])) {
            if (++i >= arguments.size()) return false;
        } else if (!flags.contains(arguments[i])) {
            return false;
        }
    }
    return true;
}

int usageError(const std::string& usage) {
    std::cerr << "usage: velloro-tool " << usage << "\n";
    return 2;
}

int fileError(const QString& message) {
    std::cerr << message.toStdString() << "\n";
    return 1;
}

void printLine(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

}  // namespace tool

static int printUsage() {
    std::cerr << "usage: velloro-tool COMMAND [OPTIONS]\ncommands:\n";
    for (const auto& [name, command] : toolCommands()) std::cerr << "  " << command.usage << "\n";
    return 2;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (arguments.isEmpty()) return printUsage();
    const auto found = toolCommands().find(arguments.first().toStdString());
    if (found == toolCommands().end()) return printUsage();
    arguments.removeFirst();
    try {
        return found->second.run(arguments);
    } catch (const IoError& error) {
        return tool::fileError(error.message());
    }
}
