#include "core/tickets/SavedTicket.h"

#include <stdexcept>

#include "core/records/RecordFile.h"
#include "core/state/GameState.h"
#include "core/tickets/Windows1252.h"

namespace {

using namespace ticket_offsets;

std::size_t setOffset(int k) { return kSets + static_cast<std::size_t>(k - 1) * TicketSet::kSlots; }

}  // namespace

QByteArray StoredName(const QString& name) { return windows1252::Encode(name, kTicketNameLength); }

std::vector<std::uint8_t> EncodeSavedTicket(const SavedTicket& ticket) {
    std::vector<std::uint8_t> out(kTicketRecordSize, 0);
    bytes::WriteShortString(out, kTicketName, StoredName(ticket.TicketName));
    for (int k = 1; k <= kSetCount; ++k) {
        const TicketSet& set = ticket.Sets[static_cast<std::size_t>(k)];
        for (std::size_t i = 0; i < set.Numbers.size(); ++i) out[setOffset(k) + i] = set.Numbers[i];
    }
    WriteBetFields(out, kBetFields, ticket);
    return out;
}

SavedTicket DecodeSavedTicket(const std::vector<std::uint8_t>& in) {
    if (in.size() != kTicketRecordSize)
        throw std::invalid_argument("a saved ticket record has 1720 bytes");
    SavedTicket ticket;
    ticket.TicketName =
        windows1252::Decode(bytes::ReadShortString(in, kTicketName, kTicketNameLength));
    for (int k = 1; k <= kSetCount; ++k) {
        TicketSet& set = ticket.Sets[static_cast<std::size_t>(k)];
        for (std::size_t i = 0; i < set.Numbers.size(); ++i) set.Numbers[i] = in[setOffset(k) + i];
    }
    static_cast<BetFields&>(ticket) = ReadBetFields(in, kBetFields);
    return ticket;
}

SavedTicket SavedTicketFromState(const GameState& state, const QString& name) {
    SavedTicket ticket;
    ticket.TicketName = windows1252::Decode(StoredName(name));
    ticket.Sets = state.Sets;
    for (TicketSet& set : ticket.Sets) set.Hits = 0;
    ticket.Sets[0] = TicketSet{};
    static_cast<BetFields&>(ticket) = BetFieldsOf(state);
    return ticket;
}

void RestoreTicketToState(const SavedTicket& ticket, GameState& state) {
    for (int k = 1; k <= kSetCount; ++k) {
        const auto s = static_cast<std::size_t>(k);
        state.Sets[s].Numbers = ticket.Sets[s].Numbers;
    }
    PutBetFields(ticket, state);
}

int PlayedSetCount(const SavedTicket& ticket) {
    if (ticket.TicketKind == KindByte(TicketKind::Way)) return ticket.CompletedSets;
    return ticket.CurrentSet;
}
