#pragma once

#include <QStringList>
#include <functional>
#include <map>
#include <string>

// velloro-tool's subcommands register themselves here, one file each:
//   static const ToolCommandRegistration reg{"history", "history [--file FILE]", run};
// A command returns the process status: 0 done, 1 a file error (one line on
// stderr naming the file and the reason), 2 a usage error.
struct ToolCommand {
    std::string usage;
    std::function<int(const QStringList& arguments)> run;
};

std::map<std::string, ToolCommand>& toolCommands();

struct ToolCommandRegistration {
    ToolCommandRegistration(const std::string& name, const std::string& usage,
                            std::function<int(const QStringList&)> run) {
        toolCommands()[name] = ToolCommand{usage, std::move(run)};
    }
};

// Small helpers shared by the subcommands.
namespace tool {

// The value after `option` ("--file FILE"), or `fallback` when absent.
// Sets `missingValue` when the option is present without a value.
QString optionValue(const QStringList& arguments, const QString& option, const QString& fallback,
                    bool* missingValue = nullptr);
bool hasFlag(const QStringList& arguments, const QString& flag);
// Every argument is one of the known options (with a value) or flags.
bool onlyKnown(const QStringList& arguments, const QStringList& valueOptions,
               const QStringList& flags);
int usageError(const std::string& usage);
// Prints "FILE: reason" on stderr and returns 1.
int fileError(const QString& message);
void printLine(const QString& line);

}  // namespace tool
