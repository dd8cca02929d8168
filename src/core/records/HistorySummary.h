#pragma once

#include <QString>

#include "core/records/HistoryFile.h"

// One line per history slot for the command line: the game number in three
// digits, a tab, then the win, kind, spots, price and the balls drawn.
//   "042\twon $12.00, kind 0 QP, 5 spots, $1.00 per way, balls 3 14 25 ..."
//   "043\tnot played"
QString HistorySummaryLine(int gameNumber, const GameRecord& game);
