#include "core/stats/PlayHistory.h"

#include <bitset>

#include "core/state/Board.h"
#include "core/ticket/KindTable.h"
#include "core/tickets/SavedTicket.h"

namespace stats {

namespace {

QString ballsDamage(const GameRecord& record) {
    std::bitset<board::kNumbers + 1> seen;
    for (const std::uint8_t ball : record.Drawn) {
        if (ball < 1 || ball > board::kNumbers)
            return QStringLiteral("ball %1 was drawn").arg(ball);
        if (seen[ball]) return QStringLiteral("ball %1 was drawn twice").arg(ball);
        seen[ball] = true;
    }
    return {};
}

// The checks a saved ticket passes before it goes on the board, and a spot
// count that has a payoff row.
QString ticketDamage(const GameRecord& record) {
    SavedTicket ticket;
    static_cast<BetFields&>(ticket) = record;
    ticket.Sets = record.Sets;
    if (const QString damage = SavedTicketDamage(EncodeSavedTicket(ticket)); !damage.isEmpty())
        return QStringLiteral("its ticket: ") + damage;
    const kinds::KindPayoff& payoff = *kinds::PayoffOf(static_cast<TicketKind>(record.TicketKind));
    if (payoff.catchRule == kinds::CatchRule::MarkedSets &&
        !payoff.spots.contains(record.SpotsPerSet))
        return QStringLiteral("its ticket was played with %1 spots").arg(record.SpotsPerSet);
    return {};
}

}  // namespace

QString RecordDamage(const GameRecord& record) {
    if (QString damage = ballsDamage(record); !damage.isEmpty()) return damage;
    return ticketDamage(record);
}

PlayHistory PlayOf(const HistoryContents& history, const PayoffTables& tables,
                   Money aggregateLimit) {
    PlayHistory play;
    TicketWorth worth(tables, aggregateLimit);
    for (int step = 1; step <= kHistorySlots; ++step) {
        const int game = (history.lastGame() + step) % kHistorySlots;
        const GameRecord& record = history.games[static_cast<std::size_t>(game)];
        if (!record.played()) continue;
        if (QString damage = RecordDamage(record); !damage.isEmpty()) {
            play.damaged.push_back({game, damage});
            continue;
        }
        play.games.push_back({game, money::Times(record.Ways, record.PricePerWay), record.GameWin,
                              worth.of(record)});
        for (const std::uint8_t ball : record.Drawn) ++play.balls[ball];
    }
    return play;
}

PlayHistory ReadPlayHistory(const QString& path, const PayoffTables& tables, Money aggregateLimit) {
    return PlayOf(ReadHistoryContents(path), tables, aggregateLimit);
}

}  // namespace stats
