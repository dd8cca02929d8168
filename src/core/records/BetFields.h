#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "core/state/GameState.h"
#include "core/state/Money.h"

// The ticket and bet fields a games history record and a saved ticket record
// both store after the ticket's sets: the same fields, widths and order.
struct BetFields {
    Money PricePerWay = 0;
    std::uint8_t TicketKind = 0;  // the kind byte as stored, 0..10 when sound
    std::uint8_t CompletedSets = 0;
    std::uint8_t SpotsMarked = 0;
    std::uint8_t SpotsPerSet = 0;
    std::uint8_t CurrentSet = 0;
    std::uint8_t PayoffSpots = 0;
    std::int32_t Ways = 0;
    std::int32_t NumberOfGames = 0;
    std::array<std::int32_t, kWayRows> WayCounts{};
    QString KindCode;  // at most 2 characters

    bool operator==(const BetFields&) const = default;
};

// Byte offsets of the fields from the start of the block.
namespace bet_offsets {
constexpr std::size_t kPricePerWay = 0;
constexpr std::size_t kTicketKind = 8;
constexpr std::size_t kCompletedSets = 9;
constexpr std::size_t kSpotsMarked = 10;
constexpr std::size_t kSpotsPerSet = 11;
constexpr std::size_t kCurrentSet = 12;
constexpr std::size_t kPayoffSpots = 13;
constexpr std::size_t kWays = 16;
constexpr std::size_t kNumberOfGames = 20;
constexpr std::size_t kWayCounts = 24;
constexpr std::size_t kKindCode = 84;  // length byte and two characters
constexpr std::size_t kSize = 87;
constexpr int kKindCodeLength = 2;
// The way counts fill their fields up to the kind code.
static_assert(kWayCounts + sizeof(std::int32_t) * kWayRows == kKindCode);
}  // namespace bet_offsets

// Writes the block at `at`; a kind code longer than 2 is cut to 2.
void WriteBetFields(std::vector<std::uint8_t>& out, std::size_t at, const BetFields& fields);
// Reads the block at `at`; a damaged kind code length never reaches past its field.
BetFields ReadBetFields(const std::vector<std::uint8_t>& in, std::size_t at);
// The fields as the game state holds them.
BetFields BetFieldsOf(const GameState& state);
// Puts the fields back into the game state (the kind byte must have been checked).
void PutBetFields(const BetFields& fields, GameState& state);

namespace bytes {
// A length byte and up to maxLength characters; a damaged length is cut to maxLength.
void WriteShortString(std::vector<std::uint8_t>& out, std::size_t offset, const QByteArray& text);
QByteArray ReadShortString(const std::vector<std::uint8_t>& in, std::size_t offset, int maxLength);
}  // namespace bytes
