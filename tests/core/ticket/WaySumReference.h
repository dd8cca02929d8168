#pragma once

// The way sum as the rules state it: every choice of k groups, one at a time.
// Slow on purpose; the tests and the benchmark hold the fast sum against it.

#include <algorithm>
#include <array>

#include "core/state/GameState.h"

namespace reference {

__extension__ typedef __int128 WideSum;

inline WideSum WaySumUnits(const GameState& state) {
    const int s = state.SpotsPerSet;
    const int n = std::min<int>(state.CompletedSets, kSetCount);
    if (s < 1) return 0;
    const auto& table = state.Payoffs.RegularPayoffs;
    WideSum sum = 0;
    for (int k = 1; k <= 15; ++k) {
        if (state.WayCounts[static_cast<std::size_t>(k - 1)] <= 0 || k > n) continue;
        if (k * s > static_cast<int>(table.size())) continue;
        const auto& payoffRow = table[static_cast<std::size_t>(k * s - 1)];
        // chosen[0..k-1]: groups g1 < g2 < ... < gk, advanced like an odometer.
        std::array<int, 15> chosen{};
        for (int i = 0; i < k; ++i) chosen[static_cast<std::size_t>(i)] = i + 1;
        for (;;) {
            int hits = 0;
            for (int i = 0; i < k; ++i) {
                const int g = chosen[static_cast<std::size_t>(i)];
                hits += std::min<int>(state.Sets[static_cast<std::size_t>(g)].Hits, s);
            }
            sum += payoffRow[static_cast<std::size_t>(std::min(hits, 20))];
            int i = k - 1;
            while (i >= 0 && chosen[static_cast<std::size_t>(i)] == n - (k - 1 - i)) --i;
            if (i < 0) break;
            ++chosen[static_cast<std::size_t>(i)];
            for (int j = i + 1; j < k; ++j)
                chosen[static_cast<std::size_t>(j)] = chosen[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
    return sum;
}

inline long double WaySum(const GameState& state) {
    return static_cast<long double>(WaySumUnits(state));
}

}  // namespace reference
