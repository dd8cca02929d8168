#pragma once

#include <algorithm>
#include <type_traits>
#include <vector>

#include "core/state/GameState.h"
#include "core/ticket/CatchRule.h"

// Hand-made draws for the rules tests.
namespace hand_draw {

// A plain ticket of these numbers in set 1, as PLAY leaves it.
inline void markTicket(GameState& state, const std::vector<int>& numbers) {
    for (std::size_t i = 0; i < numbers.size(); ++i)
        state.Sets[1].Numbers[i] = static_cast<std::uint8_t>(numbers[i]);
    state.SpotsMarked = static_cast<std::uint8_t>(numbers.size());
    state.SpotsPerSet = state.SpotsMarked;
}

// 20 distinct balls: `wanted` first, then the lowest numbers that are neither
// wanted nor in `avoid`; `last`, when given, is the 20th.
inline std::vector<int> twentyBalls(std::vector<int> wanted, const std::vector<int>& avoid,
                                    int last = 0) {
    auto taken = [&](int n) {
        return std::count(wanted.begin(), wanted.end(), n) > 0 ||
               std::count(avoid.begin(), avoid.end(), n) > 0 || n == last;
    };
    const std::size_t fill = last != 0 ? 19 : 20;
    for (int n = 1; n <= 80 && wanted.size() < fill; ++n)
        if (!taken(n)) wanted.push_back(n);
    if (last != 0) wanted.push_back(last);
    return wanted;
}

// Every entry of every table its own whole-dollar amount, so a test sees
// exactly which entry paid.
inline PayoffTables numberedTables() {
    PayoffTables tables;
    std::int64_t next = 1;
    auto number = [&next](auto& table) {
        for (auto& row : table) {
            if constexpr (std::is_same_v<std::decay_t<decltype(row)>, Money>) {
                row = money::Dollars(next++);
            } else {
                for (Money& entry : row) entry = money::Dollars(next++);
            }
        }
    };
    number(tables.RegularPayoffs);
    number(tables.AllCatchesPayoffs);
    number(tables.AllOrNothingPayoffs);
    number(tables.BetAgainstPayoffs);
    number(tables.CatchAllPayoffs);
    number(tables.FortyPayoffs);
    number(tables.FortyFortyPayoffs);
    number(tables.LastBallPayoffs);
    number(tables.SuperSpecialPayoffs);
    number(tables.ThirtyTwoSpotPayoffs);
    return tables;
}

// Plays the balls through the catch rule in order, as the draw does.
inline std::vector<BallCatch> draw(GameState& state, const std::vector<int>& balls) {
    std::vector<BallCatch> catches;
    for (std::size_t i = 0; i < balls.size() && i < state.Drawn.size(); ++i) {
        state.Drawn[i] = static_cast<std::uint8_t>(balls[i]);
        catches.push_back(CatchBall(state, balls[i]));
    }
    return catches;
}

}  // namespace hand_draw
