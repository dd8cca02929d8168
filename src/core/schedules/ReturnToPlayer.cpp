#include "core/schedules/ReturnToPlayer.h"

#include <algorithm>
#include <stdexcept>

#include "core/odds/OddsMath.h"
#include "core/odds/OddsTable.h"
#include "core/ticket/KindTable.h"

namespace {

constexpr int kBallsDrawn = 20;

void requireSpots(TicketKind kind, int spots) {
    const kinds::KindPayoff* payoff = kinds::PayoffOf(kind);
    if (!payoff) throw std::out_of_range("no such ticket kind");
    if (payoff->payRule == kinds::PayRule::Ways)
        throw std::out_of_range("way tickets pay from the regular rows");
    const odds::SpotRange range = odds::SpotRangeOf(kind);
    if (!range.fixed && (spots < range.minimum || spots > range.maximum))
        throw std::out_of_range("no payoff row for this spot count");
}

template <typename Tables>
auto rowOf(Tables& t, TicketKind kind, int spots) {
    requireSpots(kind, spots);
    return kinds::PayoffRow(t, kind, spots);
}

}  // namespace

std::vector<PaidTicket> PaidTickets() {
    std::vector<PaidTicket> tickets;
    for (const kinds::KindPayoff& payoff : kinds::Payoffs()) {
        // Each table is designed and returned once, by the first kind paying from it.
        if (payoff.payRule == kinds::PayRule::Ways || &kinds::TableOwner(payoff.table) != &payoff)
            continue;
        const odds::SpotRange range = odds::SpotRangeOf(payoff.kind);
        for (int spots = range.minimum; spots <= range.maximum; ++spots)
            tickets.push_back({payoff.kind, spots});
    }
    return tickets;
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
    const kinds::KindPayoff& payoff = *kinds::PayoffOf(kind);
    // Of the full catches, s in 20 end on one of the marked numbers.
    const long double lastIsMarked = static_cast<long double>(spots) / kBallsDrawn;
    std::vector<PayoffOutcome> outcomes;
    const auto reach = [&](int caught, bool lastBall, long double probability) {
        if (const auto index = kinds::EntryIndex(payoff, spots, caught, lastBall))
            outcomes.push_back({*index, probability});
    };
    for (int caught = 0; caught <= std::min(marked, kBallsDrawn); ++caught) {
        const bool splits = payoff.payRule == kinds::PayRule::LastBall && caught == spots;
        if (!splits) {
            reach(caught, false, chance(caught));
            continue;
        }
        reach(caught, false, chance(caught) * (1.0L - lastIsMarked));
        reach(caught, true, chance(caught) * lastIsMarked);
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
