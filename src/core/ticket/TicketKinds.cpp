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

const std::array<TicketChoiceEntry, 15>& TicketChoices() {
    static const std::array<TicketChoiceEntry, 15> choices = [] {
        std::array<TicketChoiceEntry, 15> entries{};
        std::size_t next = 0;
        for (const kinds::KindRule& rule : kinds::Rules()) {
            if (!rule.choice || next == entries.size()) continue;
            entries[next++] = {*rule.choice, *rule.menuItem, rule.caption, rule.kind, rule.code};
        }
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

    if (choice == TicketChoice::QuickPick) {
        state.SpotsMarked = 1;
        view.showQuickPickArrows = true;
        view.spotBoxText = bet::valueText(state, ValueField::Spot);
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
    return kind == Kind::Way || kinds::RegionSize(kind) > 0;
}

std::optional<MenuItem> CheckedMenuItem(TicketKind kind, const QString& kindCode) {
    if (kind == Kind::Regular) {
        if (kindCode == QLatin1String("QP")) return MenuItem::QuickPick;
        return std::nullopt;
    }
    for (const kinds::KindRule& rule : kinds::Rules())
        if (rule.kind == kind && rule.menuItem) return rule.menuItem;
    return std::nullopt;
}
