// velloro-tool history: every slot of the games history, one line each.
#include "ToolCommand.h"
#include "core/records/HistoryFile.h"
#include "core/records/HistorySummary.h"

namespace {

const QCommandLineOption kFile{"file", "The games history to read (Games.vlr).", "FILE"};

void Declare(QCommandLineParser& parser) { parser.addOption(kFile); }

int Run(const QCommandLineParser& parser) {
    // A damaged file throws before anything is printed.
    const std::vector<GameRecord> games = ReadHistory(tool::fileValue(parser, kFile, "Games.vlr"));
    for (std::size_t slot = 0; slot < games.size(); ++slot)
        tool::printLine(HistorySummaryLine(static_cast<int>(slot), games[slot]));
    return 0;
}

const ToolCommandRegistration registration{
    {"history", "[options]", "One line per game slot of the games history.", Declare, Run}};

}  // namespace
