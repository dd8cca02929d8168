#include "core/ticket/WaySum.h"

#include <algorithm>

#include "core/state/GameState.h"

namespace {

// Products of a count below 2^51 and a Money entry stay below 2^114, and at
// most 15 x 21 of them are added, so the sum cannot overflow.
__extension__ typedef __int128 WideSum;

}  // namespace

void WayTally::addGroup(int hits, int mostGroups) {
    hits = std::clamp(hits, 0, kMaxHits);
    ++groupsAdded;
    mostHits = std::min(mostHits + hits, kMaxHits);
    // Multiply the tally polynomial by (1 + x y^hits), in place from the top.
    for (int k = std::min({groupsAdded, mostGroups, kMaxGroupsPerWay}); k >= 1; --k) {
        auto& row = Choices[static_cast<std::size_t>(k)];
        const auto& fewer = Choices[static_cast<std::size_t>(k - 1)];
        for (int h = mostHits; h >= hits; --h)
            row[static_cast<std::size_t>(h)] += fewer[static_cast<std::size_t>(h - hits)];
    }
}

WayTally TallyWays(std::span<const std::uint8_t> groupHits, int spotsPerSet, int mostGroups) {
    WayTally tally;
    tally.Choices[0][0] = 1;
    const int hitCap = std::clamp(spotsPerSet, 0, WayTally::kMaxHits);
    const int groupCap = std::clamp(mostGroups, 0, WayTally::kMaxGroupsPerWay);
    for (const std::uint8_t rawHits : groupHits)
        tally.addGroup(std::min(static_cast<int>(rawHits), hitCap), groupCap);
    return tally;
}

int GroupHits(const TicketState& ticket, std::array<std::uint8_t, 80>& hits) {
    const int groups = std::min<int>(ticket.CompletedSets, kSetCount);
    const int cap = std::min<int>(ticket.SpotsPerSet, WayTally::kMaxHits);
    for (int g = 1; g <= groups; ++g)
        hits[static_cast<std::size_t>(g - 1)] = static_cast<std::uint8_t>(
            std::min<int>(ticket.Sets[static_cast<std::size_t>(g)].Hits, cap));
    return groups;
}

WayTally TallyWays(const TicketState& ticket, int mostGroups) {
    std::array<std::uint8_t, 80> hits{};
    const int groups = GroupHits(ticket, hits);
    return TallyWays(std::span<const std::uint8_t>(hits.data(), static_cast<std::size_t>(groups)),
                     ticket.SpotsPerSet, mostGroups);
}

int LargestBetRow(const WayRows& wayCounts) {
    int largest = 0;
    for (int k = 1; k <= WayTally::kMaxGroupsPerWay; ++k)
        if (wayCounts[static_cast<std::size_t>(k - 1)] > 0) largest = k;
    return largest;
}

long double WaySum(const WayTally& tally, const RegularTable& table, int spotsPerSet,
                   const WayRows& wayCounts) {
    const int s = spotsPerSet;
    if (s < 1) return 0.0L;
    WideSum sum = 0;
    for (int k = 1; k <= WayTally::kMaxGroupsPerWay; ++k) {
        if (wayCounts[static_cast<std::size_t>(k - 1)] <= 0) continue;
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

long double WaySum(const GameState& state) {
    const int largestBetRow = LargestBetRow(state.WayCounts);
    if (state.SpotsPerSet < 1 || largestBetRow == 0) return 0.0L;
    return WaySum(TallyWays(state, largestBetRow), state.Payoffs.RegularPayoffs, state.SpotsPerSet,
                  state.WayCounts);
}
