#include "core/tickets/SavedTicket.h"

#include <stdexcept>

#include "core/records/RecordFile.h"
#include "core/state/GameState.h"
#include "core/tickets/Windows1252.h"

namespace {

using namespace ticket_offsets;

std::size_t setOffset(int k) { return kSets + static_cast<std::size_t>(k - 1) * TicketSet::kSlots; }

}  // namespace

QByteArray storedName(const QString& name) { return windows1252::encode(name, kTicketNameLength); }

std::vector<std::uint8_t> encodeSavedTicket(const SavedTicket& ticket) {
    std::vector<std::uint8_t> out(kTicketRecordSize, 0);
    bytes::writeShortString(out, kTicketName, storedName(ticket.TicketName));
    for (int k = 1; k <= kSetCount; ++k) {
        const TicketSet& set = ticket.Sets[static_cast<std::size_t>(k)];
        for (std::size_t i = 0; i < set.Numbers.size(); ++i) out[setOffset(k) + i] = set.Numbers[i];
    }
    writeBetFields(out, kBetFields, ticket);
    return out;
}

SavedTicket decodeSavedTicket(const std::vector<std::uint8_t>& in) {
    if (in.size() != kTicketRecordSize)
        throw std::invalid_argument("a saved ticket record has 1720 bytes");
    SavedTicket ticket;
    ticket.TicketName = windows1252::decode(bytes::readShortString(in, kTicketName, kTicketNameLength));
    for (int k = 1; k <= kSetCount; ++k) {
        TicketSet& set = ticket.Sets[static_cast<std::size_t>(k)];
        for (std::size_t i = 0; i < set.Numbers.size(); ++i) set.Numbers[i] = in[setOffset(k) + i];
    }
    static_cast<BetFields&>(ticket) = readBetFields(in, kBetFields);
    return ticket;
}

SavedTicket savedTicketFromState(const GameState& state, const QString& name) {
    SavedTicket ticket;
    ticket.TicketName = windows1252::decode(storedName(name));
    ticket.Sets = state.Sets;
    for (TicketSet& set : ticket.Sets) set.Hits = 0;
    ticket.Sets[0] = TicketSet{};
    static_cast<BetFields&>(ticket) = betFieldsOf(state);
    return ticket;
}

void restoreTicketToState(const SavedTicket& ticket, GameState& state) {
    for (int k = 1; k <= kSetCount; ++k) {
        const auto s = static_cast<std::size_t>(k);
        state.Sets[s].Numbers = ticket.Sets[s].Numbers;
    }
    putBetFields(ticket, state);
}

int playedSetCount(const SavedTicket& ticket) {
    if (ticket.TicketKind == kindByte(TicketKind::Way)) return ticket.CompletedSets;
    return ticket.CurrentSet;
}
