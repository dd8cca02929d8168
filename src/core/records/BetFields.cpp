#include "core/records/BetFields.h"

#include <algorithm>

#include "core/records/RecordFile.h"
#include "core/state/GameState.h"

using namespace bet_offsets;

void bytes::WriteShortString(std::vector<std::uint8_t>& out, std::size_t offset,
                             const QByteArray& text) {
    out[offset] = static_cast<std::uint8_t>(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[offset + 1 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(text[i]);
}

QByteArray bytes::ReadShortString(const std::vector<std::uint8_t>& in, std::size_t offset,
                                  int maxLength) {
    const int length = std::min<int>(in[offset], maxLength);
    QByteArray text;
    for (int i = 0; i < length; ++i)
        text.append(static_cast<char>(in[offset + 1 + static_cast<std::size_t>(i)]));
    return text;
}

void WriteBetFields(std::vector<std::uint8_t>& out, std::size_t at, const BetFields& fields) {
    bytes::WriteInt(out, at + kPricePerWay, 8, fields.PricePerWay);
    out[at + kTicketKind] = fields.TicketKind;
    out[at + kCompletedSets] = fields.CompletedSets;
    out[at + kSpotsMarked] = fields.SpotsMarked;
    out[at + kSpotsPerSet] = fields.SpotsPerSet;
    out[at + kCurrentSet] = fields.CurrentSet;
    out[at + kPayoffSpots] = fields.PayoffSpots;
    bytes::WriteInt(out, at + kWays, 4, fields.Ways);
    bytes::WriteInt(out, at + kNumberOfGames, 4, fields.NumberOfGames);
    for (std::size_t k = 0; k < fields.WayCounts.size(); ++k)
        bytes::WriteInt(out, at + kWayCounts + 4 * k, 4, fields.WayCounts[k]);
    bytes::WriteShortString(out, at + kKindCode, fields.KindCode.left(kKindCodeLength).toLatin1());
}

BetFields ReadBetFields(const std::vector<std::uint8_t>& in, std::size_t at) {
    BetFields fields;
    fields.PricePerWay = bytes::ReadInt64(in, at + kPricePerWay);
    fields.TicketKind = in[at + kTicketKind];
    fields.CompletedSets = in[at + kCompletedSets];
    fields.SpotsMarked = in[at + kSpotsMarked];
    fields.SpotsPerSet = in[at + kSpotsPerSet];
    fields.CurrentSet = in[at + kCurrentSet];
    fields.PayoffSpots = in[at + kPayoffSpots];
    fields.Ways = bytes::ReadInt32(in, at + kWays);
    fields.NumberOfGames = bytes::ReadInt32(in, at + kNumberOfGames);
    for (std::size_t k = 0; k < fields.WayCounts.size(); ++k)
        fields.WayCounts[k] = bytes::ReadInt32(in, at + kWayCounts + 4 * k);
    fields.KindCode =
        QString::fromLatin1(bytes::ReadShortString(in, at + kKindCode, kKindCodeLength));
    return fields;
}

BetFields BetFieldsOf(const GameState& state) {
    BetFields fields;
    fields.PricePerWay = state.PricePerWay;
    fields.TicketKind = KindByte(state.Kind);
    fields.CompletedSets = state.CompletedSets;
    fields.SpotsMarked = state.SpotsMarked;
    fields.SpotsPerSet = state.SpotsPerSet;
    fields.CurrentSet = state.CurrentSet;
    fields.PayoffSpots = state.PayoffSpots;
    fields.Ways = state.Ways;
    fields.NumberOfGames = state.NumberOfGames;
    fields.WayCounts = state.WayCounts;
    fields.KindCode = state.KindCode.left(kKindCodeLength);
    return fields;
}

void PutBetFields(const BetFields& fields, GameState& state) {
    state.PricePerWay = fields.PricePerWay;
    state.Kind = static_cast<TicketKind>(fields.TicketKind);
    state.CompletedSets = fields.CompletedSets;
    state.SpotsMarked = fields.SpotsMarked;
    state.SpotsPerSet = fields.SpotsPerSet;
    state.CurrentSet = fields.CurrentSet;
    state.PayoffSpots = fields.PayoffSpots;
    state.Ways = fields.Ways;
    state.NumberOfGames = fields.NumberOfGames;
    state.WayCounts = fields.WayCounts;
    state.KindCode = fields.KindCode;
}
