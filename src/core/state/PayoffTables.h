#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/state/Money.h"

// The ten payoff tables of a schedule, in the order its record holds them.
// A ticket kind's row in the kind table names the one it pays from.
enum class PayoffTable : std::uint8_t {
    Regular,
    AllCatches,
    AllOrNothing,
    BetAgainst,
    CatchAll,
    Forty,
    FortyForty,
    LastBall,
    SuperSpecial,
    ThirtyTwoSpot,
};
// The schedule record holds ten tables; a new one changes the record (see the kind table).
inline constexpr std::size_t kPayoffTableCount = 10;

// The ten payoff tables of one schedule: what a $1.00 ticket pays per outcome.
// Shapes and index meanings are those of the schedule file record.
struct PayoffTables {
    std::array<std::array<Money, 21>, 20> RegularPayoffs{};      // [spots-1][catches]
    std::array<std::array<Money, 11>, 4> AllCatchesPayoffs{};    // [spots-7][catches]
    std::array<std::array<Money, 2>, 5> AllOrNothingPayoffs{};   // [spots-4][none, all]
    std::array<Money, 16> BetAgainstPayoffs{};                   // [spots], 8..15 paid
    std::array<Money, 8> CatchAllPayoffs{};                      // [spots], 2..7 paid
    std::array<Money, 21> FortyPayoffs{};                        // [balls in the 40]
    std::array<Money, 21> FortyFortyPayoffs{};                   // [balls in the first half]
    std::array<std::array<Money, 8>, 6> LastBallPayoffs{};       // [spots-1][catches | spots+1]
    std::array<std::array<Money, 11>, 8> SuperSpecialPayoffs{};  // [spots-3][catches]
    std::array<Money, 21> ThirtyTwoSpotPayoffs{};                // [balls in the 32]
    bool operator==(const PayoffTables&) const = default;
};

// Calls visit(PayoffTable, table) for every table, in the order of the record.
template <typename Tables, typename Visit>
void ForEachPayoffTable(Tables& t, Visit&& visit) {
    visit(PayoffTable::Regular, t.RegularPayoffs);
    visit(PayoffTable::AllCatches, t.AllCatchesPayoffs);
    visit(PayoffTable::AllOrNothing, t.AllOrNothingPayoffs);
    visit(PayoffTable::BetAgainst, t.BetAgainstPayoffs);
    visit(PayoffTable::CatchAll, t.CatchAllPayoffs);
    visit(PayoffTable::Forty, t.FortyPayoffs);
    visit(PayoffTable::FortyForty, t.FortyFortyPayoffs);
    visit(PayoffTable::LastBall, t.LastBallPayoffs);
    visit(PayoffTable::SuperSpecial, t.SuperSpecialPayoffs);
    visit(PayoffTable::ThirtyTwoSpot, t.ThirtyTwoSpotPayoffs);
}

// How many rows a table has: a table of one row (Bet Against, Forty, ...) has one.
std::size_t TableRowCount(PayoffTable table);
// Row `row` of a table, first 0; empty past its last row.
std::span<const Money> TableRow(const PayoffTables& tables, PayoffTable table, std::size_t row);
std::span<Money> TableRow(PayoffTables& tables, PayoffTable table, std::size_t row);

// One record of the schedule file.
struct PayoffSchedule {
    std::int32_t ScheduleNumber = 0;
    std::array<std::uint8_t, 28> Reserved{};
    Money AggregateLimit = 0;
    PayoffTables Tables;
    bool operator==(const PayoffSchedule&) const = default;
};
