#pragma once

#include <array>
#include <cstdint>

// One row of the ticket: up to 20 numbers (0 = empty, filled from the front
// without gaps) and the count of this game's balls that fell on them.
struct TicketSet {
    static constexpr int kSlots = 20;
    std::array<std::uint8_t, kSlots> Numbers{};
    std::uint8_t Hits = 0;

    // Slot i is 1-based as the rules count them.
    std::uint8_t number(int slot) const { return Numbers[static_cast<std::size_t>(slot - 1)]; }
    bool contains(int n, int slotCount = kSlots) const {
        for (int i = 0; i < slotCount && i < kSlots; ++i)
            if (Numbers[static_cast<std::size_t>(i)] == n) return true;
        return false;
    }
    int count() const {
        int c = 0;
        while (c < kSlots && Numbers[static_cast<std::size_t>(c)] != 0) ++c;
        return c;
    }
    bool operator==(const TicketSet&) const = default;
};

constexpr int kSetCount = 80;
// Sets[1..80]; index 0 is unused so that set numbers read as the rules state them.
using TicketSets = std::array<TicketSet, kSetCount + 1>;
