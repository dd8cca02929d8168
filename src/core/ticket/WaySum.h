#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/state/Money.h"

struct GameState;
struct TicketState;

// How many choices of k groups caught h balls in total, for every k and h.
// Every way of k groups pays as a regular ticket of k x s spots, so these
// tallies are all that the payout (and its wording) depends on.
struct WayTally {
    static constexpr int kMaxGroupsPerWay = 15;  // a way has at most 15 spots
    static constexpr int kMaxHits = 20;          // the payoff tables' last catch column

    // Choices[k][h]; k = 0 counts the empty choice (1 way of 0 hits). Exact for
    // every k up to 15 and 80 groups: C(80, 15) is far below 2^64. Totals above
    // 20 catches are not kept, which never matters for a way of 20 spots or less.
    std::array<std::array<std::uint64_t, kMaxHits + 1>, kMaxGroupsPerWay + 1> Choices{};

    int groupsAdded = 0;  // groups tallied so far
    int mostHits = 0;     // the largest total any choice so far can reach

    std::uint64_t count(int groups, int hits) const {
        if (groups < 0 || groups > kMaxGroupsPerWay || hits < 0 || hits > kMaxHits) return 0;
        return Choices[static_cast<std::size_t>(groups)][static_cast<std::size_t>(hits)];
    }

    // Tallies one more group that caught `hits` balls, for choices of up to
    // mostGroups groups.
    void addGroup(int hits, int mostGroups = kMaxGroupsPerWay);
};

// Tallies the choices of up to mostGroups groups by total catches (larger
// choices stay 0). A group cannot catch more balls than it has numbers, so
// each count is clamped to spotsPerSet.
WayTally TallyWays(std::span<const std::uint8_t> groupHits, int spotsPerSet,
                   int mostGroups = WayTally::kMaxGroupsPerWay);

// The same tallies over groups 1..CompletedSets of a way ticket.
WayTally TallyWays(const TicketState& ticket, int mostGroups = WayTally::kMaxGroupsPerWay);

// The catches of groups 1..CompletedSets, each clamped to the group size; at
// most 80 of them. Returns how many were written.
int GroupHits(const TicketState& ticket, std::array<std::uint8_t, 80>& hits);

using WayRows = std::array<std::int32_t, WayTally::kMaxGroupsPerWay>;
using RegularTable = std::array<std::array<Money, 21>, 20>;

// The largest k with wayCounts[k-1] > 0 (a bet row); 0 when none is bet.
int LargestBetRow(const WayRows& wayCounts);

// The table sum of a way ticket in Money units (payoffs for $1.00 ways): every
// choice of k groups for every bet row k (wayCounts[k-1] > 0) paid as
// table[k*s-1][its catches], the choices counted by the tally. Exact for any
// table contents; rows that would fall outside the table (k x s above 20) pay
// nothing.
long double WaySum(const WayTally& tally, const RegularTable& table, int spotsPerSet,
                   const WayRows& wayCounts);

// The same for the groups and WayCounts of the ticket in play.
long double WaySum(const GameState& state);
