#include "core/ticket/WaySum.h"

#include <algorithm>

#include "core/state/GameState.h"

namespace {

// Products of a count below 2^51 and a Money entry stay below 2^114, and at
// most 15 x 21 of them are added, so the sum cannot overflow.
__extension__ typedef __int128 WideSum;

}  // namespace

WayTally TallyWays(std::span<const std::uint8_t> groupHits, int spotsPerSet, int mostGroups) {
    WayTally tally;
    auto& choices = tally.Choices;
    choices[0][0] = 1;
    const int hitCap = std::clamp(spotsPerSet, 0, WayTally::kMaxHits);
    const int groupCap = std::clamp(mostGroups, 0, WayTally::kMaxGroupsPerWay);
    int groupsSoFar = 0;
    int mostHitsSoFar = 0;  // the largest total any choice so far can reach
    for (const std::uint8_t rawHits : groupHits) {
        const int hits = std::min(static_cast<int>(rawHits), hitCap);
        ++groupsSoFar;
        mostHitsSoFar = std::min(mostHitsSoFar + hits, WayTally::kMaxHits);
        // Multiply the tally polynomial by (1 + x y^hits), in place from the top.
        for (int k = std::min(groupsSoFar, groupCap); k >= 1; --k) {
            auto& row = choices[static_cast<std::size_t>(k)];
            const auto& fewer = choices[static_cast<std::size_t>(k - 1)];
            // k groups can catch at most k x the group size.
            for (int h = std::min(mostHitsSoFar, k * hitCap); h >= hits; --h)
                row[static_cast<std::size_t>(h)] += fewer[static_cast<std::size_t>(h - hits)];
        }
    }
    return tally;
}

int GroupHits(const GameState& state, std::array<std::uint8_t, 80>& hits) {
    const int groups = std::min<int>(state.CompletedSets, kSetCount);
    const int cap = std::min<int>(state.SpotsPerSet, WayTally::kMaxHits);
    for (int g = 1; g <= groups; ++g)
        hits[static_cast<std::size_t>(g - 1)] = static_cast<std::uint8_t>(
            std::min<int>(state.Sets[static_cast<std::size_t>(g)].Hits, cap));
    return groups;
}

WayTally TallyWays(const GameState& state, int mostGroups) {
    std::array<std::uint8_t, 80> hits{};
    const int groups = GroupHits(state, hits);
    return TallyWays(std::span<const std::uint8_t>(hits.data(), static_cast<std::size_t>(groups)),
                     state.SpotsPerSet, mostGroups);
}

long double WaySum(const GameState& state) {
    const int s = state.SpotsPerSet;
    if (s < 1) return 0.0L;
    int largestBetRow = 0;
    for (int k = 1; k <= WayTally::kMaxGroupsPerWay; ++k)
        if (state.WayCounts[static_cast<std::size_t>(k - 1)] > 0) largestBetRow = k;
    if (largestBetRow == 0) return 0.0L;
    const WayTally tally = TallyWays(state, largestBetRow);
    const auto& table = state.Payoffs.RegularPayoffs;
    WideSum sum = 0;
    for (int k = 1; k <= WayTally::kMaxGroupsPerWay; ++k) {
        if (state.WayCounts[static_cast<std::size_t>(k - 1)] <= 0) continue;
        const int spots = k * s;
        if (spots > static_cast<int>(table.size())) continue;
        const auto& payoffRow = table[static_cast<std::size_t>(spots - 1)];
        for (int h = 0; h <= std::min(spots, WayTally::kMaxHits); ++h) {
            const std::uint64_t count = tally.count(k, h);
            if (count != 0)
                sum += static_cast<WideSum>(count) *
                       static_cast<WideSum>(payoffRow[static_cast<std::size_t>(h)]);
        }
    }
    return static_cast<long double>(sum);
}
