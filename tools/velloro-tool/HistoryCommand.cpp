// velloro-tool history: the Games History list as the window holds it.
#include <optional>

#include "ToolCommand.h"
#include "core/records/HistoryFile.h"
#include "core/records/HistoryList.h"
#include "core/records/HistorySummary.h"

namespace {

const QCommandLineOption kFile{"file", "The games history to read (Games.vlr).", "FILE"};
const QCommandLineOption kSort{
    "sort", "The order of a sort button: game-asc, game-desc, win-asc or win-desc.", "ORDER"};
const QCommandLineOption kDetail{
    "detail", "One line per slot with its kind, spots, price and balls instead."};

void Declare(QCommandLineParser& parser) { parser.addOptions({kFile, kSort, kDetail}); }

std::optional<history::HistoryOrder> Order(const QCommandLineParser& parser) {
    using history::HistoryOrder;
    if (!parser.isSet(kSort)) return std::nullopt;
    const QString name = parser.value(kSort);
    if (name == QLatin1String("game-asc")) return HistoryOrder::GameAscending;
    if (name == QLatin1String("game-desc")) return HistoryOrder::GameDescending;
    if (name == QLatin1String("win-asc")) return HistoryOrder::WinningsAscending;
    if (name == QLatin1String("win-desc")) return HistoryOrder::WinningsDescending;
    throw tool::UsageError(
        QStringLiteral("--sort must be game-asc, game-desc, win-asc or win-desc"));
}

int Run(const QCommandLineParser& parser) {
    const std::optional<history::HistoryOrder> order = Order(parser);
    if (order && parser.isSet(kDetail))
        throw tool::UsageError(QStringLiteral("--sort and --detail do not go together"));
    // A damaged file throws before anything is printed.
    const std::vector<GameRecord> games = ReadHistory(tool::FileValue(parser, kFile, kGamesFile));
    if (parser.isSet(kDetail)) {
        for (std::size_t slot = 0; slot < games.size(); ++slot)
            tool::PrintLine(HistorySummaryLine(static_cast<int>(slot), games[slot]));
        return 0;
    }
    std::vector<history::HistoryEntry> entries = history::HistoryEntries(games);
    if (order) entries = history::Resorted(entries, *order);
    for (const QString& line : history::HistoryLines(entries)) tool::PrintLine(line);
    return 0;
}

const ToolCommandRegistration registration{
    {"history", "[options]", "The Games History list, one line per game: number, tab, winnings.",
     Declare, Run}};

}  // namespace
