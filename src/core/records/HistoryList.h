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

// One line per slot in file order. Each line carries its slot's number, which
// is the record's own game number in every sound file.
QStringList HistoryLines(const std::vector<GameRecord>& games);

// The game number at the front of a line, or -1 when it has none.
int GameOfLine(const QString& line);

// The line shown on top and selected when the list opens: the last game, at
// most 990 so that twenty whole lines stay visible.
int OpeningTopLine(int lastGame);

enum class HistoryOrder { GameAscending, GameDescending, WinningsAscending, WinningsDescending };

// The list's comparison: negative when s1 sorts before s2. Games compare the
// whole lines as text, winnings the amounts shown after the first tab (two
// lines showing the same amount compare equal, whatever their padding).
int CompareLines(HistoryOrder order, const QString& s1, const QString& s2);

// The list re-sorted: each line in its current order is inserted where a
// binary search over the lines placed so far puts it, so lines that compare
// equal end up in the reverse of their previous order.
QStringList Resorted(const QStringList& lines, HistoryOrder order);

}  // namespace history
