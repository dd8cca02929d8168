#pragma once

#include <QString>
#include <vector>

#include "core/records/BallFrequency.h"
#include "core/records/HistoryFile.h"
#include "core/stats/TicketWorth.h"

// The recorded games as the player played them: in play order, each with its
// price, its win and what its ticket was worth, and how often each number
// was drawn in them. The history is read once.
namespace stats {

// Why a played slot cannot be counted ("ball 93 was drawn", "its ticket: set
// 2 holds numbers the ticket does not use"), or empty when it can: 20
// different balls of 1..80 and a ticket the game could have played. A win
// below 0 is not damage: a schedule's table may pay less than nothing, and
// the evaluation pays it.
QString RecordDamage(const GameRecord& record);

struct PlayedGame {
    int gameNumber = 0;  // its slot, 0..999
    Money price = 0;     // PricePerWay x Ways
    Money win = 0;       // GameWin
    WinSpread worth;     // its ticket's win over every draw
};

struct DamagedGame {
    int gameNumber = 0;
    QString reason;
};

struct PlayHistory {
    // Oldest first: from the slot after the last game's round the ring to it,
    // the slots whose first ball is not 0.
    std::vector<PlayedGame> games;
    frequency::BallCounts balls{};     // draws of each number in those games
    std::vector<DamagedGame> damaged;  // played slots left out, in play order
};

// The slots that were played, oldest first, each ticket's worth under the
// tables and aggregate limit of a schedule; damaged slots are set aside.
PlayHistory PlayOf(const HistoryContents& history, const PayoffTables& tables,
                   Money aggregateLimit);

// The same from the file, read once. Throws IoError on a missing or damaged file.
PlayHistory ReadPlayHistory(const QString& path, const PayoffTables& tables, Money aggregateLimit);

}  // namespace stats
