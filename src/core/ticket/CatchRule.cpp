#include "core/ticket/CatchRule.h"

#include <algorithm>

#include "core/state/Board.h"
#include "core/ticket/KindTable.h"

namespace {

// A byte that is no kind is caught as a marked ticket.
kinds::CatchRule catchRuleOf(TicketKind kind) {
    const kinds::KindPayoff* payoff = kinds::PayoffOf(kind);
    return payoff ? payoff->catchRule : kinds::CatchRule::MarkedSets;
}

// A damaged ticket (a restored file) must not make the search leave the sets.
int scannedSets(const TicketState& ticket) {
    return std::clamp<int>(ticket.CurrentSet, 1, kSetCount);
}
int scannedSlots(const TicketState& ticket) {
    return std::clamp<int>(ticket.SpotsPerSet, 0, TicketSet::kSlots);
}

}  // namespace

bool IsInKindRegion(TicketKind kind, const QString& kindCode, int n) {
    const kinds::KindRule* rule = kinds::Find(kind, kindCode);
    return rule != nullptr && kinds::InRegion(*rule, n);
}

bool UsesSetOneColour(TicketKind kind) { return catchRuleOf(kind) != kinds::CatchRule::MarkedSets; }

int SetHolding(const TicketState& ticket, int n) {
    if (n < 1 || n > board::kNumbers) return 0;
    const int sets = scannedSets(ticket);
    const int slotCount = scannedSlots(ticket);
    for (int slot = 1; slot <= slotCount; ++slot)
        for (int set = 1; set <= sets; ++set)
            if (ticket.Sets[static_cast<std::size_t>(set)].number(slot) == n) return set;
    return 0;
}

BallCatch CatchBall(TicketState& ticket, int n) {
    if (n < 1 || n > board::kNumbers) return {};
    TicketSet& setOne = ticket.Sets[1];
    switch (catchRuleOf(ticket.Kind)) {
        case kinds::CatchRule::FirstHalf:
            // Every ball is only drawn; set 1 counts the split between the halves.
            if (IsInKindRegion(ticket.Kind, ticket.KindCode, n)) ++setOne.Hits;
            return {};
        case kinds::CatchRule::Region:
            if (!IsInKindRegion(ticket.Kind, ticket.KindCode, n)) return {};
            ++setOne.Hits;
            return {true, 1};
        case kinds::CatchRule::MarkedSets: {
            const int set = SetHolding(ticket, n);
            if (set == 0) return {};
            ++ticket.Sets[static_cast<std::size_t>(set)].Hits;
            return {true, set};
        }
    }
    return {};
}

std::vector<ClearedCell> ClearedCells(const GameState& state) {
    std::vector<ClearedCell> cells;
    if (state.Sets[1].count() == 0 && catchRuleOf(state.Kind) != kinds::CatchRule::FirstHalf)
        return cells;
    for (const std::uint8_t ball : state.Drawn) {
        if (ball == 0) continue;
        const int set = SetHolding(state, ball);
        ClearedCell cell{ball, set != 0, 0};
        if (cell.marked) cell.colourSet = UsesSetOneColour(state.Kind) ? 1 : set;
        cells.push_back(cell);
    }
    return cells;
}

void ForgetDraw(GameState& state) {
    for (TicketSet& set : state.Sets) set.Hits = 0;
    state.Drawn.fill(0);
}
