#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

#include "core/state/Money.h"

// velloro-tool's subcommands, one small file each (HistoryCommand.cpp,
// OddsCommand.cpp, ...). To add one, write tools/velloro-tool/FooCommand.cpp:
//
//   namespace {
//   const QCommandLineOption kFile{"file", "The games history to read (Games.vlr).", "FILE"};
//   void Declare(QCommandLineParser& parser) { parser.addOption(kFile); }
//   int Run(const QCommandLineParser& parser) {
//       const QString file = tool::FileValue(parser, kFile, "Games.vlr");
//       ...print results with tool::PrintLine...
//       return 0;
//   }
//   const ToolCommandRegistration registration{
//       {"foo", "[--file FILE]", "One line saying what foo prints.", Declare, Run}};
//   }  // namespace
//
// The build picks the file up by itself. A name of two words ("schedules make",
// "music make") makes a command group. main.cpp parses with QCommandLineParser,
// answers --help, and turns the errors into the process status:
// a wrong value throws tool::UsageError with the message the user reads
// ("--tab must be 0 to 9": the option and what it allows), exit 2; a file
// error throws IoError, one line "FILE: reason" on stderr, exit 1. Standard
// output carries results only. Then describe the command in
// assets/velloro-tool.6 (a test checks every option is there); bash completion
// reads the help texts and needs nothing.
struct ToolCommand {
    QString name;      // "odds", "schedules make"
    QString synopsis;  // what follows the name in the usage line
    QString summary;   // one line, shown by `velloro-tool --help` and atop the command's help
    std::function<void(QCommandLineParser&)> declareOptions;
    // 0 when done; throws tool::UsageError or IoError.
    std::function<int(const QCommandLineParser&)> run;
    int positionalArguments = 0;  // how many it takes ("replay GAME": 1); more are refused
};

// Every registered command, sorted by name.
const std::vector<ToolCommand>& ToolCommands();

struct ToolCommandRegistration {
    explicit ToolCommandRegistration(ToolCommand command);
};

namespace tool {

// A wrong or missing value, an unknown option: exit 2 with this message.
class UsageError : public std::runtime_error {
  public:
    explicit UsageError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// The option's value as an integer low..high; `fallback` when it is absent,
// and when there is no fallback the option is required.
int IntValue(const QCommandLineParser& parser, const QCommandLineOption& option, int low, int high);
int IntValue(const QCommandLineParser& parser, const QCommandLineOption& option, int low, int high,
             int fallback);
// An amount ("1", "0.5", "$12.05", at most four decimals; in the system's
// locale also as its error writes it, "12,05 €") low..high.
Money AmountValue(const QCommandLineParser& parser, const QCommandLineOption& option, Money low,
                  Money high, Money fallback);
// A file name; an empty value is refused.
QString FileValue(const QCommandLineParser& parser, const QCommandLineOption& option,
                  const QString& fallback);

// One line of results on standard output, UTF-8.
void PrintLine(const QString& line);
// One line on standard error: a note beside the results ("2 damaged games skipped").
void PrintNote(const QString& line);

}  // namespace tool
