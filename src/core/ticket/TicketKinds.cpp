#include "core/ticket/TicketKinds.h"

#include "core/ticket/BetControls.h"

namespace {

using Kind = TicketKind;

void storeNumbers(TicketSet& set, const std::vector<std::uint8_t>& numbers) {
    set.Numbers.fill(0);
    for (std::size_t i = 0; i < numbers.size() && i < set.Numbers.size(); ++i)
        set.Numbers[i] = numbers[i];
}

}  // namespace

bool IsOffered(MenuItem ticketItem, int spotsMarked) {
    return kinds::OfferedRange(ticketItem).contains(spotsMarked);
}

std::span<const TicketChoiceEntry> TicketChoices() {
    static const std::vector<TicketChoiceEntry> choices = [] {
        std::vector<TicketChoiceEntry> entries;
        for (const kinds::KindRule& rule : kinds::Rules())
            if (rule.choice)
                entries.push_back(
                    {*rule.choice, *rule.menuItem, rule.caption, rule.kind, rule.code});
        return entries;
    }();
    return choices;
}

const TicketChoiceEntry& ChoiceEntry(TicketChoice choice) {
    for (const TicketChoiceEntry& entry : TicketChoices())
        if (entry.choice == choice) return entry;
    return TicketChoices().front();
}

kinds::FixedNumberSets FixedNumbers(TicketChoice choice) {
    return kinds::FixedNumbers(kinds::RuleOf(choice));
}

std::optional<TicketChoiceView> ApplyTicketKind(GameState& state, TicketChoice choice) {
    const TicketChoiceEntry& entry = ChoiceEntry(choice);
    const bool plainTicket = state.Kind == Kind::Regular && state.KindCode.isEmpty();
    if (!plainTicket || !IsOffered(entry.menuItem, state.SpotsMarked)) return std::nullopt;

    state.Kind = entry.kind;
    state.KindCode = QLatin1String(entry.code);

    TicketChoiceView view;
    view.checkedItem = entry.menuItem;
    view.specialCode = state.KindCode;
    // The kinds with a region of their own hide the spot count.
    view.hideSpotBox = kinds::RuleOf(choice).region != nullptr;

    if (kinds::RuleOf(choice).picksAtPlay) {
        state.SpotsMarked = 1;
        view.showQuickPickArrows = true;
    }

    const kinds::FixedNumberSets fixed = FixedNumbers(choice);
    if (!fixed.first.empty()) {
        storeNumbers(state.Sets[1], fixed.first);
        storeNumbers(state.Sets[2], fixed.second);
        state.SpotsMarked = static_cast<std::uint8_t>(fixed.first.size());
        state.CurrentSet = 2;
        view.markedNumbers = fixed.first;
        view.markedNumbers.insert(view.markedNumbers.end(), fixed.second.begin(),
                                  fixed.second.end());
    }
    return view;
}

bool HidesSpotBox(TicketKind kind) {
    // The kinds with a region of their own, and a way ticket, have no single spot count.
    const kinds::KindPayoff* payoff = kinds::PayoffOf(kind);
    return (payoff && payoff->payRule == kinds::PayRule::Ways) || kinds::RegionSize(kind) > 0;
}

std::optional<MenuItem> CheckedMenuItem(TicketKind kind, const QString& kindCode) {
    if (const kinds::KindRule* rule = kinds::Find(kind, kindCode)) return rule->menuItem;
    // A code the table does not know still shows its kind's entry, but a
    // plain ticket has none.
    for (const kinds::KindRule& rule : kinds::Rules())
        if (rule.kind == kind) return rule.menuItem;
    return std::nullopt;
}
