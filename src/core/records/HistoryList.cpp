#include "core/records/HistoryList.h"

#include <algorithm>
#include <cstdint>

#include "core/state/GameState.h"

namespace history {

namespace {

// Leading spaces by the size of the win.
int LeadingSpaces(Money gameWin) {
    if (gameWin < money::Dollars(10)) return 11;
    if (gameWin < money::Dollars(100)) return 9;
    if (gameWin < money::Dollars(1000)) return 7;
    if (gameWin < money::Dollars(10000)) return 4;
    if (gameWin < money::Dollars(100000)) return 2;
    return 0;
}

// The amount a win shows, in cents, rounded as the currency text rounds it:
// $9.9999 (shown as $10.00) equals $10.00.
Money ShownCents(Money gameWin) { return money::RoundedQuotient(gameWin, money::kCent); }

int Compare(std::int64_t a, std::int64_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

QString WinningsText(Money gameWin) {
    return QString(LeadingSpaces(gameWin), QLatin1Char(' ')) + money::Currency(gameWin);
}

QString HistoryLine(int gameNumber, Money gameWin) {
    return GameNumberText(gameNumber) + QLatin1Char('\t') + WinningsText(gameWin);
}

std::vector<HistoryEntry> HistoryEntries(const std::vector<GameRecord>& games) {
    std::vector<HistoryEntry> entries;
    entries.reserve(games.size());
    for (std::size_t slot = 0; slot < games.size(); ++slot)
        entries.push_back({static_cast<int>(slot), games[slot].GameWin});
    return entries;
}

QString HistoryLine(const HistoryEntry& entry) { return HistoryLine(entry.game, entry.gameWin); }

QStringList HistoryLines(const std::vector<HistoryEntry>& entries) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(entries.size()));
    for (const HistoryEntry& entry : entries) lines << HistoryLine(entry);
    return lines;
}

QStringList HistoryLines(const std::vector<GameRecord>& games) {
    return HistoryLines(HistoryEntries(games));
}

int OpeningTopLine(int lastGame) { return std::clamp(lastGame, 0, 990); }

int CompareEntries(HistoryOrder order, const HistoryEntry& a, const HistoryEntry& b) {
    switch (order) {
        case HistoryOrder::GameAscending:
            return Compare(a.game, b.game);
        case HistoryOrder::GameDescending:
            return Compare(b.game, a.game);
        case HistoryOrder::WinningsAscending:
            return Compare(ShownCents(a.gameWin), ShownCents(b.gameWin));
        case HistoryOrder::WinningsDescending:
            return Compare(ShownCents(b.gameWin), ShownCents(a.gameWin));
    }
    return 0;
}

std::vector<HistoryEntry> Resorted(const std::vector<HistoryEntry>& entries, HistoryOrder order) {
    std::vector<HistoryEntry> sorted;
    sorted.reserve(entries.size());
    for (const HistoryEntry& entry : entries) {
        std::ptrdiff_t low = 0;
        std::ptrdiff_t high = static_cast<std::ptrdiff_t>(sorted.size()) - 1;
        while (low <= high) {
            const std::ptrdiff_t mid = (low + high) / 2;
            if (CompareEntries(order, sorted[static_cast<std::size_t>(mid)], entry) < 0)
                low = mid + 1;
            else
                high = mid - 1;
        }
        sorted.insert(sorted.begin() + low, entry);
    }
    return sorted;
}

}  // namespace history
