#pragma once

#include <array>

#include "core/state/Money.h"

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

// One record of the schedule file.
struct PayoffSchedule {
    std::int32_t ScheduleNumber = 0;
    std::array<std::uint8_t, 28> Reserved{};
    Money AggregateLimit = 0;
    PayoffTables Tables;
    bool operator==(const PayoffSchedule&) const = default;
};
