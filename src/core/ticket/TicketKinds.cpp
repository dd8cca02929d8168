#include "core/ticket/TicketKinds.h"

#include "core/state/Board.h"
#include "core/ticket/BetControls.h"
#include "core/ticket/CatchRule.h"

namespace {

using Item = MenuItem;
using Choice = TicketChoice;
using Kind = TicketKind;

constexpr std::array<TicketChoiceEntry, 15> kChoices{{
    {Choice::AllCatches, Item::AllCatches, "&All Catches", Kind::AllCatches, "AC"},
    {Choice::AllOrNothing, Item::AllOrNothing, "All Or &Nothing", Kind::AllOrNothing, "AN"},
    {Choice::BetAgainst, Item::BetAgainst, "&Bet Against", Kind::BetAgainst, "BA"},
    {Choice::CatchAll, Item::CatchAll, "&Catch All", Kind::CatchAll, "CA"},
    {Choice::Top, Item::Forty, "&Top", Kind::Forty, "T"},
    {Choice::Bottom, Item::Forty, "&Bottom", Kind::Forty, "B"},
    {Choice::Left, Item::Forty, "&Left", Kind::Forty, "L"},
    {Choice::Right, Item::Forty, "&Right", Kind::Forty, "R"},
    {Choice::TopAndBottom, Item::FortyForty, "&Top And Bottom", Kind::FortyForty, "TB"},
    {Choice::LeftAndRight, Item::FortyForty, "&Left And Right", Kind::FortyForty, "LR"},
    {Choice::LastBallDrawn, Item::LastBallDrawn, "&Last Ball Drawn", Kind::LastBallDrawn, "LB"},
    // A quick pick stays a regular ticket; only its code tells it apart.
    {Choice::QuickPick, Item::QuickPick, "&Quick Pick", Kind::Regular, "QP"},
    {Choice::SuperSpecial, Item::SuperSpecial, "&Super Special", Kind::SuperSpecial, "SS"},
    {Choice::TheEdge, Item::ThirtyTwoSpot, "The &Edge", Kind::ThirtyTwoSpot, "E"},
    {Choice::TheInside, Item::ThirtyTwoSpot, "The &Inside", Kind::ThirtyTwoSpot, "I"},
}};

std::vector<std::uint8_t> numbersBetween(int first, int last) {
    std::vector<std::uint8_t> numbers;
    for (int n = first; n <= last; ++n) numbers.push_back(static_cast<std::uint8_t>(n));
    return numbers;
}

// The edge goes round the board: its sets run along a long side, then down a short one.
FixedNumberSets edgeNumbers() {
    FixedNumberSets sets{numbersBetween(1, 10), numbersBetween(71, 80)};
    for (int row = 1; row <= 6; ++row) {
        sets.first.push_back(static_cast<std::uint8_t>(row * board::kColumns + 1));
        sets.second.push_back(static_cast<std::uint8_t>((row + 1) * board::kColumns));
    }
    return sets;
}

// The other regions are stored in board order, the first half of them in set 1.
FixedNumberSets regionNumbers(Kind kind, const QString& code) {
    std::vector<std::uint8_t> all;
    for (int n = 1; n <= board::kNumbers; ++n)
        if (IsInKindRegion(kind, code, n)) all.push_back(static_cast<std::uint8_t>(n));
    const auto half = all.begin() + static_cast<std::ptrdiff_t>(all.size() / 2);
    return {{all.begin(), half}, {half, all.end()}};
}

void storeNumbers(TicketSet& set, const std::vector<std::uint8_t>& numbers) {
    set.Numbers.fill(0);
    for (std::size_t i = 0; i < numbers.size() && i < set.Numbers.size(); ++i)
        set.Numbers[i] = numbers[i];
}

}  // namespace

bool IsOffered(MenuItem ticketItem, int spotsMarked) {
    const menu_rules::SpotRange range = menu_rules::offeredRange(ticketItem);
    return spotsMarked >= range.low && spotsMarked <= range.high;
}

const std::array<TicketChoiceEntry, 15>& TicketChoices() { return kChoices; }

const TicketChoiceEntry& ChoiceEntry(TicketChoice choice) {
    for (const TicketChoiceEntry& entry : kChoices)
        if (entry.choice == choice) return entry;
    return kChoices.front();
}

FixedNumberSets FixedNumbers(TicketChoice choice) {
    const TicketChoiceEntry& entry = ChoiceEntry(choice);
    if (entry.kind == Kind::ThirtyTwoSpot && choice == Choice::TheEdge) return edgeNumbers();
    if (entry.kind == Kind::Forty || entry.kind == Kind::ThirtyTwoSpot)
        return regionNumbers(entry.kind, QLatin1String(entry.code));
    return {};
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
    view.hideSpotBox = HidesSpotBox(entry.kind);

    if (choice == Choice::QuickPick) {
        state.SpotsMarked = 1;
        view.showQuickPickArrows = true;
        view.spotBoxText = bet::valueText(state, ValueField::Spot);
    }

    const FixedNumberSets fixed = FixedNumbers(choice);
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
    return kind == Kind::Forty || kind == Kind::FortyForty || kind == Kind::ThirtyTwoSpot ||
           kind == Kind::Way;
}

std::optional<MenuItem> CheckedMenuItem(TicketKind kind, const QString& kindCode) {
    if (kind == Kind::Regular) {
        if (kindCode == QLatin1String("QP")) return Item::QuickPick;
        return std::nullopt;
    }
    if (kind == Kind::Way) return Item::Way;
    for (const TicketChoiceEntry& entry : kChoices)
        if (entry.kind == kind) return entry.menuItem;
    return std::nullopt;
}
