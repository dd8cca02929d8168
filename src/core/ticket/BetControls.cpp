#include "core/ticket/BetControls.h"

#include <algorithm>

#include "core/state/AggregateLimit.h"

namespace bet {

bool SpotLimitReached(const TicketState& ticket, bool wayChecked) {
    return ticket.SpotsMarked >= kMostSpots ||
           (wayChecked && ticket.SpotsMarked == ticket.SpotsPerSet);
}

CellAction CellActionFor(CellState cell, const TicketState& ticket, bool wayChecked) {
    switch (cell) {
        case CellState::Unmarked:
            return SpotLimitReached(ticket, wayChecked) ? CellAction::None : CellAction::Mark;
        case CellState::Marked:
            return CellAction::Unmark;
        case CellState::Locked:
            return CellAction::None;
    }
    return CellAction::None;
}

namespace {

// The set being filled; none past the 80th way group, where it would be set 81.
TicketSet* setBeingFilled(TicketState& ticket) {
    if (ticket.CurrentSet < 1 || ticket.CurrentSet > kSetCount) return nullptr;
    return &ticket.Sets[ticket.CurrentSet];
}

}  // namespace

bool AddNumber(TicketState& ticket, int number) {
    TicketSet* set = setBeingFilled(ticket);
    // Refuse rather than write past the set: the limit check should make this unreachable.
    if (!set || ticket.SpotsMarked >= TicketSet::kSlots) return false;
    set->Numbers[ticket.SpotsMarked] = static_cast<std::uint8_t>(number);
    ++ticket.SpotsMarked;
    return ticket.SpotsMarked == ticket.SpotsPerSet;
}

void RemoveNumber(TicketState& ticket, int number) {
    TicketSet* set = setBeingFilled(ticket);
    if (!set) return;
    const int marked = std::min<int>(ticket.SpotsMarked, TicketSet::kSlots);
    auto first = set->Numbers.begin();
    auto last = first + marked;
    auto found = std::find(first, last, number);
    if (found == last) return;  // not in this set: nothing to take out
    std::move(found + 1, last, found);
    *(last - 1) = 0;
    --ticket.SpotsMarked;
}

namespace {

// Price up by `step`, refused when the price per game would exceed the aggregate limit.
// The check uses the price before the large step's clamp to $100.00.
SpinnerResult priceUp(GameState& state, Money step) {
    SpinnerResult result;
    result.field = ValueField::PricePerWay;
    if (state.PricePerWay >= kHighestPrice) return result;
    const Money raised = state.PricePerWay + step;
    if (!AggregateAllows(state.AggregateLimit, raised, state.Ways)) {
        result.aggregateRefused = true;
        return result;
    }
    state.PricePerWay = std::min(raised, kHighestPrice);
    result.stepped = true;
    return result;
}

SpinnerResult priceDown(GameState& state, Money step) {
    SpinnerResult result;
    result.field = ValueField::PricePerWay;
    if (state.PricePerWay <= kLowestPrice) return result;
    state.PricePerWay = std::max(state.PricePerWay - step, kLowestPrice);
    result.stepped = true;
    return result;
}

// The counters step up to `most` and down to 1; a large step stops at either end.
template <typename Count>
SpinnerResult countBy(Count& value, int step, int most, ValueField field) {
    SpinnerResult result;
    result.field = field;
    const bool allowed = step > 0 ? value < most : value >= 2;
    if (!allowed) return result;
    value = static_cast<Count>(std::clamp(static_cast<int>(value) + step, 1, most));
    result.stepped = true;
    return result;
}

SpinnerResult gamesBy(BetState& bet, int step) {
    return countBy(bet.NumberOfGames, step, kMostGames, ValueField::NumberOfGames);
}

SpinnerResult spotsBy(TicketState& ticket, int step) {
    return countBy(ticket.SpotsMarked, step, kMostSpots, ValueField::Spot);
}

}  // namespace

SpinnerResult SpinnerStep(GameState& state, BetArrow arrow) {
    SpinnerResult result;
    switch (arrow) {
        case BetArrow::GamesUp:
            result = gamesBy(state, 1);
            break;
        case BetArrow::GamesDown:
            result = gamesBy(state, -1);
            break;
        case BetArrow::GamesUpTen:
            result = gamesBy(state, 10);
            break;
        case BetArrow::GamesDownTen:
            result = gamesBy(state, -10);
            break;
        case BetArrow::PriceUp:
            result = priceUp(state, kLowestPrice);
            break;
        case BetArrow::PriceDown:
            result = priceDown(state, kLowestPrice);
            break;
        case BetArrow::PriceUpDollar:
            result = priceUp(state, money::kOneDollar);
            break;
        case BetArrow::PriceDownDollar:
            result = priceDown(state, money::kOneDollar);
            break;
        case BetArrow::SpotsUp:
            return spotsBy(state, 1);
        case BetArrow::SpotsDown:
            return spotsBy(state, -1);
    }
    result.totals = UpdateTotals(state);
    return result;
}

TotalsChange UpdateTotals(GameState& state) {
    TotalsChange change;
    const Money perGame = money::Times(state.Ways, state.PricePerWay);
    if (state.PricePerGame != perGame) {
        state.PricePerGame = perGame;
        change.pricePerGame = true;
    }
    const Money total = money::Times(state.NumberOfGames, state.PricePerGame);
    if (state.TotalPrice != total) {
        state.TotalPrice = total;
        change.totalPrice = true;
    }
    return change;
}

void ResetTicketState(GameState& state) {
    // The bet a new state starts with, and its ticket; the sets keep their hits.
    static_cast<BetState&>(state) = BetState{};
    TicketState& ticket = state;
    ResetToNew<&TicketState::Kind, &TicketState::KindCode, &TicketState::CurrentSet,
               &TicketState::CompletedSets, &TicketState::SpotsMarked, &TicketState::SpotsPerSet,
               &TicketState::Ways, &TicketState::WayCounts>(ticket);
    for (TicketSet& set : ticket.Sets) set.Numbers.fill(0);
}

void ResetBalance(RunState& run) { run.Balance = 0; }

QString ValueText(const GameState& state, ValueField field) {
    switch (field) {
        case ValueField::NumberOfGames:
            return QString::number(state.NumberOfGames);
        case ValueField::PricePerWay:
            return money::Currency(state.PricePerWay);
        case ValueField::PricePerGame:
            return money::Currency(state.PricePerGame);
        case ValueField::TotalPrice:
            return money::Currency(state.TotalPrice);
        case ValueField::Spot:
            return SpotText(state.SpotsMarked);
    }
    return {};
}

QString SpotText(int spots) { return QString::number(spots) + QStringLiteral(" SPOT"); }

QString SpotsWords(int spots) {
    return spots == 1 ? QStringLiteral("1 spot") : QStringLiteral("%1 spots").arg(spots);
}

}  // namespace bet
