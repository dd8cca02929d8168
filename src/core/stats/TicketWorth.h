#pragma once

#include <map>
#include <tuple>

#include "core/odds/WayOdds.h"
#include "core/records/HistoryFile.h"
#include "core/state/PayoffTables.h"

// What a recorded game's ticket is worth under a payoff schedule: the exact
// mean and variance of its win over every possible draw, each draw's win paid
// as the game pays it (the table entry scaled by the price, halves to even,
// then capped at the aggregate limit).
namespace stats {

struct WinSpread {
    long double mean = 0.0L;      // in Money units
    long double variance = 0.0L;  // in Money units squared
};

class TicketWorth {
  public:
    TicketWorth(const PayoffTables& tables, Money aggregateLimit)
        : tables_(tables), limit_(aggregateLimit) {}

    // The ticket of a record that RecordDamage passes. A way ticket's classes
    // of draws are walked once for all its prices.
    WinSpread of(const GameRecord& record);

  private:
    WinSpread ofWayTicket(const GameRecord& record);

    // Group size, groups and the rows bet (bit k-1 for row k): they decide
    // the classes of draws and their way sums, whatever the price.
    using WayShape = std::tuple<int, int, unsigned>;
    const PayoffTables& tables_;
    Money limit_ = 0;
    std::map<WayShape, std::vector<odds::DrawClass>> wayClasses_;
    std::map<std::pair<WayShape, Money>, WinSpread> wayTickets_;
};

}  // namespace stats
