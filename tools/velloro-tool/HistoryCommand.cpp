// velloro-tool history: every slot of the games history, one line each.
#include "ToolCommand.h"
#include "core/records/HistoryFile.h"
#include "core/records/HistorySummary.h"

namespace {

const std::string kUsage = "history [--file FILE]";

int RunHistory(const QStringList& arguments) {
    if (!tool::onlyKnown(arguments, {"--file"}, {})) return tool::usageError(kUsage);
    // A damaged file throws before anything is printed.
    const std::vector<GameRecord> games =
        ReadHistory(tool::optionValue(arguments, "--file", "Games.vlr"));
    for (std::size_t slot = 0; slot < games.size(); ++slot)
        tool::printLine(HistorySummaryLine(static_cast<int>(slot), games[slot]));
    return 0;
}

const ToolCommandRegistration registration{"history", kUsage, RunHistory};

}  // namespace
