#pragma once

#include <map>
#include <tuple>

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

    // The ticket of a record that RecordDamage passes. The same way ticket at
    // the same price is worked out once.
    WinSpread of(const GameRecord& record);

  private:
    WinSpread ofWayTicket(const GameRecord& record);

    // Group size, groups, the rows bet (bit k-1 for row k) and the price.
    using WayKey = std::tuple<int, int, unsigned, Money>;
    const PayoffTables& tables_;
    Money limit_ = 0;
    std::map<WayKey, WinSpread> wayTickets_;
};

}  // namespace stats
