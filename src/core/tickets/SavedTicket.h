#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "core/records/BetFields.h"
#include "core/state/Money.h"
#include "core/state/TicketSet.h"

struct GameState;

// Tickets.vlr: one record per saved ticket, no header, in no particular order.
constexpr std::size_t kTicketRecordSize = 1720;
constexpr int kTicketNameLength = 30;

// Byte offsets of the fields inside one saved ticket record.
namespace ticket_offsets {
constexpr std::size_t kTicketName = 0;  // length byte and up to 30 characters
constexpr std::size_t kSets = 31;       // 80 sets of 20 numbers; no hits bytes
// The ticket and bet fields, laid out as BetFields lays them out.
constexpr std::size_t kBetFields = 1632;
constexpr std::size_t kKindCode = kBetFields + bet_offsets::kKindCode;
}  // namespace ticket_offsets

// One saved ticket: its name and the ticket and bet fields of the game state.
struct SavedTicket : BetFields {
    QString TicketName;  // at most 30 characters of Windows-1252
    TicketSets Sets{};   // Sets[1..80], numbers only; index 0 and the hits are not stored

    bool operator==(const SavedTicket&) const = default;
};

// The bytes a name is stored as: its first 30 characters, "?" for a
// character Windows-1252 has no byte for.
QByteArray StoredName(const QString& name);

std::vector<std::uint8_t> EncodeSavedTicket(const SavedTicket& ticket);
// `bytes` must hold kTicketRecordSize bytes. Damaged string lengths are cut to
// their field, so decoding never reads past it; SavedTicketDamage tells.
SavedTicket DecodeSavedTicket(const std::vector<std::uint8_t>& bytes);

// Why this record cannot be put on the board ("number 93 in set 2 is above
// 80"), or empty when it can: every byte within its range, and the numbers,
// counts and kind code as the ticket's kind makes them.
QString SavedTicketDamage(const std::vector<std::uint8_t>& bytes);

// The ticket on the table under a name (cut to 30 characters).
SavedTicket SavedTicketFromState(const GameState& state, const QString& name);

// Copies the ticket into the game state: the sets' numbers (their hits stay),
// the bet, the kind and the counts. Only for a record without damage.
void RestoreTicketToState(const SavedTicket& ticket, GameState& state);

// Sets the ticket plays: the groups of a way ticket, else the sets the draw scans.
int PlayedSetCount(const SavedTicket& ticket);
