#include "core/tickets/SavedTicket.h"

#include <stdexcept>

#include "core/records/RecordFile.h"
#include "core/state/GameState.h"
#include "core/tickets/Windows1252.h"

namespace {

using namespace ticket_offsets;

constexpr int kKindCodeLength = 2;

void writeShortString(std::vector<std::uint8_t>& out, std::size_t offset, const QByteArray& text) {
    out[offset] = static_cast<std::uint8_t>(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[offset + 1 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(text[i]);
}

// A damaged length must not reach past the field.
QByteArray readShortString(const std::vector<std::uint8_t>& in, std::size_t offset, int maxLength) {
    const int length = std::min<int>(in[offset], maxLength);
    QByteArray text;
    for (int i = 0; i < length; ++i)
        text.append(static_cast<char>(in[offset + 1 + static_cast<std::size_t>(i)]));
    return text;
}

std::size_t setOffset(int k) { return kSets + static_cast<std::size_t>(k - 1) * TicketSet::kSlots; }

}  // namespace

QByteArray storedName(const QString& name) { return windows1252::encode(name, kTicketNameLength); }

std::vector<std::uint8_t> encodeSavedTicket(const SavedTicket& ticket) {
    std::vector<std::uint8_t> out(kTicketRecordSize, 0);
    writeShortString(out, kTicketName, storedName(ticket.TicketName));
    for (int k = 1; k <= kSetCount; ++k) {
        const TicketSet& set = ticket.Sets[static_cast<std::size_t>(k)];
        for (std::size_t i = 0; i < set.Numbers.size(); ++i) out[setOffset(k) + i] = set.Numbers[i];
    }
    bytes::writeInt(out, kPricePerWay, 8, ticket.PricePerWay);
    out[kTicketKind] = ticket.TicketKind;
    out[kCompletedSets] = ticket.CompletedSets;
    out[kSpotsMarked] = ticket.SpotsMarked;
    out[kSpotsPerSet] = ticket.SpotsPerSet;
    out[kCurrentSet] = ticket.CurrentSet;
    out[kPayoffSpots] = ticket.PayoffSpots;
    bytes::writeInt(out, kWays, 4, ticket.Ways);
    bytes::writeInt(out, kNumberOfGames, 4, ticket.NumberOfGames);
    for (std::size_t k = 0; k < ticket.WayCounts.size(); ++k)
        bytes::writeInt(out, kWayCounts + 4 * k, 4, ticket.WayCounts[k]);
    writeShortString(out, kKindCode, ticket.KindCode.left(kKindCodeLength).toLatin1());
    return out;
}

SavedTicket decodeSavedTicket(const std::vector<std::uint8_t>& in) {
    if (in.size() != kTicketRecordSize)
        throw std::invalid_argument("a saved ticket record has 1720 bytes");
    SavedTicket ticket;
    ticket.TicketName = windows1252::decode(readShortString(in, kTicketName, kTicketNameLength));
    for (int k = 1; k <= kSetCount; ++k) {
        TicketSet& set = ticket.Sets[static_cast<std::size_t>(k)];
        for (std::size_t i = 0; i < set.Numbers.size(); ++i) set.Numbers[i] = in[setOffset(k) + i];
    }
    ticket.PricePerWay = bytes::readInt64(in, kPricePerWay);
    ticket.TicketKind = in[kTicketKind];
    ticket.CompletedSets = in[kCompletedSets];
    ticket.SpotsMarked = in[kSpotsMarked];
    ticket.SpotsPerSet = in[kSpotsPerSet];
    ticket.CurrentSet = in[kCurrentSet];
    ticket.PayoffSpots = in[kPayoffSpots];
    ticket.Ways = bytes::readInt32(in, kWays);
    ticket.NumberOfGames = bytes::readInt32(in, kNumberOfGames);
    for (std::size_t k = 0; k < ticket.WayCounts.size(); ++k)
        ticket.WayCounts[k] = bytes::readInt32(in, kWayCounts + 4 * k);
    ticket.KindCode = QString::fromLatin1(readShortString(in, kKindCode, kKindCodeLength));
    return ticket;
}

SavedTicket savedTicketFromState(const GameState& state, const QString& name) {
    SavedTicket ticket;
    ticket.TicketName = windows1252::decode(storedName(name));
    ticket.Sets = state.Sets;
    for (TicketSet& set : ticket.Sets) set.Hits = 0;
    ticket.Sets[0] = TicketSet{};
    ticket.PricePerWay = state.PricePerWay;
    ticket.TicketKind = kindByte(state.Kind);
    ticket.CompletedSets = state.CompletedSets;
    ticket.SpotsMarked = state.SpotsMarked;
    ticket.SpotsPerSet = state.SpotsPerSet;
    ticket.CurrentSet = state.CurrentSet;
    ticket.PayoffSpots = state.PayoffSpots;
    ticket.Ways = state.Ways;
    ticket.NumberOfGames = state.NumberOfGames;
    ticket.WayCounts = state.WayCounts;
    ticket.KindCode = state.KindCode.left(kKindCodeLength);
    return ticket;
}

void restoreTicketToState(const SavedTicket& ticket, GameState& state) {
    for (int k = 1; k <= kSetCount; ++k) {
        const auto s = static_cast<std::size_t>(k);
        state.Sets[s].Numbers = ticket.Sets[s].Numbers;
    }
    state.PricePerWay = ticket.PricePerWay;
    state.Kind = static_cast<TicketKind>(ticket.TicketKind);
    state.CompletedSets = ticket.CompletedSets;
    state.SpotsMarked = ticket.SpotsMarked;
    state.SpotsPerSet = ticket.SpotsPerSet;
    state.CurrentSet = ticket.CurrentSet;
    state.PayoffSpots = ticket.PayoffSpots;
    state.Ways = ticket.Ways;
    state.NumberOfGames = ticket.NumberOfGames;
    state.WayCounts = ticket.WayCounts;
    state.KindCode = ticket.KindCode;
}

int playedSetCount(const SavedTicket& ticket) {
    if (ticket.TicketKind == kindByte(TicketKind::Way)) return ticket.CompletedSets;
    return ticket.CurrentSet;
}
