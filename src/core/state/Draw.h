#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/state/Board.h"
#include "core/state/TicketSet.h"

class RandomSource;

// The draw of one game and the quick pick: which numbers come, from a fresh
// seed of the random source. Showing them is the game cycle's part.
namespace draw {

using Balls = std::array<std::uint8_t, board::kBallsPerGame>;

// The twenty balls in the order they are called: distinct numbers 1..80.
Balls DrawBalls(RandomSource& random);

// The numbers a quick pick adds to `set`, in the order picked, until it holds
// `wanted`; a damaged count never runs past the set's 20 slots.
std::vector<int> QuickPickNumbers(const TicketSet& set, int wanted, RandomSource& random);

}  // namespace draw
