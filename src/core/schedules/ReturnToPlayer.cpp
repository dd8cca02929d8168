#include "core/schedules/ReturnToPlayer.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

#include "core/odds/OddsMath.h"
#include "core/odds/OddsTable.h"

namespace {

constexpr int kBallsDrawn = 20;

void requireSpots(TicketKind kind, int spots) {
    if (kind == TicketKind::Way) throw std::out_of_range("way tickets pay from the regular rows");
    const odds::SpotRange range = odds::SpotRangeOf(kind);
    if (!range.fixed && (spots < range.minimum || spots > range.maximum))
        throw std::out_of_range("no payoff row for this spot count");
}

template <typename Tables>
auto rowOf(Tables& t, TicketKind kind, int spots)
    -> std::span<std::conditional_t<std::is_const_v<Tables>, const Money, Money>> {
    requireSpots(kind, spots);
    const auto at = [](int index) { return static_cast<std::size_t>(index); };
    switch (kind) {
        case TicketKind::AllCatches:
            return t.AllCatchesPayoffs[at(spots - 7)];
        case TicketKind::AllOrNothing:
            return t.AllOrNothingPayoffs[at(spots - 4)];
        case TicketKind::BetAgainst:
            return t.BetAgainstPayoffs;
        case TicketKind::CatchAll:
            return t.CatchAllPayoffs;
        case TicketKind::Forty:
            return t.FortyPayoffs;
        case TicketKind::FortyForty:
            return t.FortyFortyPayoffs;
        case TicketKind::LastBallDrawn:
            return t.LastBallPayoffs[at(spots - 1)];
        case TicketKind::SuperSpecial:
            return t.SuperSpecialPayoffs[at(spots - 3)];
        case TicketKind::ThirtyTwoSpot:
            return t.ThirtyTwoSpotPayoffs;
        default:
            return t.RegularPayoffs[at(spots - 1)];
    }
}

}  // namespace

std::vector<PaidTicket> PaidTickets() {
    std::vector<PaidTicket> tickets;
    for (int value = kindByte(TicketKind::Regular); value < kindByte(TicketKind::Way); ++value) {
        const auto kind = static_cast<TicketKind>(value);
        const odds::SpotRange range = odds::SpotRangeOf(kind);
        for (int spots = range.minimum; spots <= range.maximum; ++spots)
            tickets.push_back({kind, spots});
    }
    return tickets;
}

QString KindName(TicketKind kind) {
    switch (kind) {
        case TicketKind::Regular:
            return QStringLiteral("Regular");
        case TicketKind::AllCatches:
            return QStringLiteral("All Catches");
        case TicketKind::AllOrNothing:
            return QStringLiteral("All Or Nothing");
        case TicketKind::BetAgainst:
            return QStringLiteral("Bet Against");
        case TicketKind::CatchAll:
            return QStringLiteral("Catch All");
        case TicketKind::Forty:
            return QStringLiteral("Forty");
        case TicketKind::FortyForty:
            return QStringLiteral("Forty Forty");
        case TicketKind::LastBallDrawn:
            return QStringLiteral("Last Ball Drawn");
        case TicketKind::SuperSpecial:
            return QStringLiteral("Super Special");
        case TicketKind::ThirtyTwoSpot:
            return QStringLiteral("Thirty-Two Spot");
        case TicketKind::Way:
            return QStringLiteral("Way");
    }
    return QStringLiteral("Kind %1").arg(kindByte(kind));
}

std::span<Money> PayoffRow(PayoffTables& tables, TicketKind kind, int spots) {
    return rowOf(tables, kind, spots);
}

std::span<const Money> PayoffRow(const PayoffTables& tables, TicketKind kind, int spots) {
    return rowOf(tables, kind, spots);
}

std::vector<PayoffOutcome> ReachableOutcomes(TicketKind kind, int spots) {
    requireSpots(kind, spots);
    const odds::SpotRange range = odds::SpotRangeOf(kind);
    const int marked = range.fixed ? range.minimum : spots;
    const auto chance = [marked](int caught) { return odds::CatchProbability(marked, caught); };
    std::vector<PayoffOutcome> outcomes;
    switch (kind) {
        case TicketKind::AllOrNothing:
            outcomes = {{0, chance(0)}, {1, chance(spots)}};
            break;
        case TicketKind::BetAgainst:
            outcomes = {{spots, chance(0)}};
            break;
        case TicketKind::CatchAll:
            outcomes = {{spots, chance(spots)}};
            break;
        case TicketKind::LastBallDrawn: {
            for (int caught = 0; caught < spots; ++caught)
                outcomes.push_back({caught, chance(caught)});
            const long double lastIsMarked = static_cast<long double>(spots) / kBallsDrawn;
            outcomes.push_back({spots, chance(spots) * (1.0L - lastIsMarked)});
            outcomes.push_back({spots + 1, chance(spots) * lastIsMarked});
            break;
        }
        default: {
            const int most = std::min(marked, kBallsDrawn);
            for (int caught = 0; caught <= most; ++caught)
                outcomes.push_back({caught, chance(caught)});
        }
    }
    return outcomes;
}

long double ExpectedPayout(std::span<const PayoffOutcome> outcomes, std::span<const Money> row) {
    long double units = 0.0L;
    for (const PayoffOutcome& outcome : outcomes)
        units += outcome.probability *
                 static_cast<long double>(row[static_cast<std::size_t>(outcome.index)]);
    return units / static_cast<long double>(money::kOneDollar);
}

long double ReturnToPlayer(const PayoffTables& tables, TicketKind kind, int spots) {
    return ExpectedPayout(ReachableOutcomes(kind, spots), PayoffRow(tables, kind, spots));
}
