#pragma once

#include <cstdint>

// The kind of ticket being played.
enum class TicketKind : std::uint8_t {
    Regular = 0,  // marked by hand, or a quick pick (kind code "QP")
    AllCatches = 1,
    AllOrNothing = 2,
    BetAgainst = 3,
    CatchAll = 4,
    Forty = 5,       // "T", "B", "L", "R"
    FortyForty = 6,  // "TB", "LR"
    LastBallDrawn = 7,
    SuperSpecial = 8,
    ThirtyTwoSpot = 9,  // "E", "I"
    Way = 10,
};

constexpr std::uint8_t KindByte(TicketKind kind) { return static_cast<std::uint8_t>(kind); }
