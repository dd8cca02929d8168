#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/records/HistoryFile.h"
#include "core/state/Money.h"

// The lines of the Games History list and the orders it can be sorted in.
namespace history {

// The win with leading spaces by its size, so amounts line up on the right
// in a proportional font: "           $0.00", "         $12.50", "    $1,000.00".
QString WinningsText(Money gameWin);

// "042\t" followed by the winnings text.
QString HistoryLine(int gameNumber, Money gameWin);

// One line of the list: the game it opens and its win.
struct HistoryEntry {
    int game = 0;
    Money gameWin = 0;
    bool operator==(const HistoryEntry&) const = default;
};

// One entry per slot in file order. Each carries its slot's number, which is
// the record's own game number in every sound file.
std::vector<HistoryEntry> HistoryEntries(const std::vector<GameRecord>& games);

QString HistoryLine(const HistoryEntry& entry);
QStringList HistoryLines(const std::vector<HistoryEntry>& entries);
QStringList HistoryLines(const std::vector<GameRecord>& games);

// The line shown on top and selected when the list opens: the last game, at
// most 990 so that twenty whole lines stay visible.
int OpeningTopLine(int lastGame);

enum class HistoryOrder { GameAscending, GameDescending, WinningsAscending, WinningsDescending };

// The list's comparison: negative when a sorts before b. Games compare their
// numbers, winnings the amounts as shown, in whole cents (two wins showing the
// same amount compare equal; a loss, which only a damaged record holds, sorts
// below every win).
int CompareEntries(HistoryOrder order, const HistoryEntry& a, const HistoryEntry& b);

// The list re-sorted: each entry in its current order is inserted where a
// binary search over the entries placed so far puts it, so entries that
// compare equal end up in the reverse of their previous order.
std::vector<HistoryEntry> Resorted(const std::vector<HistoryEntry>& entries, HistoryOrder order);

}  // namespace history
