#include "core/ticket/KindTable.h"

#include <array>
#include <type_traits>

#include "core/state/Board.h"

namespace kinds {

namespace {

using Kind = TicketKind;
using Choice = TicketChoice;
using Item = MenuItem;
constexpr SpotRange kEmptyBoard{0, 0};
constexpr SpotRange kNoBand{1, 0};
constexpr SpotRange kEveryCatch{0, board::kBallsPerGame};

// How each kind is paid, by TicketKind.
constexpr std::array<KindPayoff, 11> kPayoffs{{
    // kind, spots, table, pay rule, paying catches, second band, odds test the entry, catch rule
    {Kind::Regular,
     {1, 20},
     PayoffTable::Regular,
     PayRule::ByCatches,
     kEveryCatch,
     kNoBand,
     true,
     CatchRule::MarkedSets},
    {Kind::AllCatches,
     {7, 10},
     PayoffTable::AllCatches,
     PayRule::ByCatches,
     kEveryCatch,
     kNoBand,
     false,
     CatchRule::MarkedSets},
    {Kind::AllOrNothing,
     {4, 8},
     PayoffTable::AllOrNothing,
     PayRule::NoneOrAll,
     kEveryCatch,
     kNoBand,
     false,
     CatchRule::MarkedSets},
    {Kind::BetAgainst,
     {8, 15},
     PayoffTable::BetAgainst,
     PayRule::NoneOnly,
     kEveryCatch,
     kNoBand,
     false,
     CatchRule::MarkedSets},
    {Kind::CatchAll,
     {2, 7},
     PayoffTable::CatchAll,
     PayRule::AllOnly,
     kEveryCatch,
     kNoBand,
     false,
     CatchRule::MarkedSets},
    // Forty pays the 11 or more of its 40 that beat an even split.
    {Kind::Forty,
     kEmptyBoard,
     PayoffTable::Forty,
     PayRule::ByCatches,
     {11, 20},
     kNoBand,
     false,
     CatchRule::Region},
    // Forty Forty pays a lopsided split either way.
    {Kind::FortyForty,
     kEmptyBoard,
     PayoffTable::FortyForty,
     PayRule::ByCatches,
     {0, 7},
     {13, 20},
     false,
     CatchRule::FirstHalf},
    {Kind::LastBallDrawn,
     {1, 6},
     PayoffTable::LastBall,
     PayRule::LastBall,
     kEveryCatch,
     kNoBand,
     true,
     CatchRule::MarkedSets},
    {Kind::SuperSpecial,
     {3, 10},
     PayoffTable::SuperSpecial,
     PayRule::ByCatches,
     kEveryCatch,
     kNoBand,
     true,
     CatchRule::MarkedSets},
    {Kind::ThirtyTwoSpot, kEmptyBoard, PayoffTable::ThirtyTwoSpot, PayRule::ByCatches, kEveryCatch,
     kNoBand, true, CatchRule::Region},
    // A way ticket's group size; each way is paid as a regular ticket.
    {Kind::Way,
     {1, 7},
     PayoffTable::Regular,
     PayRule::Ways,
     kEveryCatch,
     kNoBand,
     true,
     CatchRule::MarkedSets},
}};

// Every kind and code, in the order of the Tickets menu.
const std::array<KindRule, 17> kRules{{
    // kind, code, menu command, Tickets item, caption, offered at, region, fixed sets,
    // name, where its catches lie, where the other half's lie
    {Kind::Regular,
     "",
     std::nullopt,
     std::nullopt,
     "",
     {1, 20},
     nullptr,
     FixedSets::None,
     "",
     "",
     ""},
    {Kind::AllCatches,
     "AC",
     Choice::AllCatches,
     Item::AllCatches,
     "&All Catches",
     {7, 10},
     nullptr,
     FixedSets::None,
     "All Catches",
     "",
     ""},
    {Kind::AllOrNothing,
     "AN",
     Choice::AllOrNothing,
     Item::AllOrNothing,
     "All Or &Nothing",
     {4, 8},
     nullptr,
     FixedSets::None,
     "All Or Nothing",
     "",
     ""},
    {Kind::BetAgainst,
     "BA",
     Choice::BetAgainst,
     Item::BetAgainst,
     "&Bet Against",
     {8, 15},
     nullptr,
     FixedSets::None,
     "Bet Against",
     "",
     ""},
    {Kind::CatchAll,
     "CA",
     Choice::CatchAll,
     Item::CatchAll,
     "&Catch All",
     {2, 7},
     nullptr,
     FixedSets::None,
     "Catch All",
     "",
     ""},
    {Kind::Forty, "T", Choice::Top, Item::Forty, "&Top", kEmptyBoard, board::isTopHalf,
     FixedSets::BoardOrder, "Top", "On The Top", ""},
    {Kind::Forty, "B", Choice::Bottom, Item::Forty, "&Bottom", kEmptyBoard, board::isBottomHalf,
     FixedSets::BoardOrder, "Bottom", "On The Bottom", ""},
    {Kind::Forty, "L", Choice::Left, Item::Forty, "&Left", kEmptyBoard, board::isLeftHalf,
     FixedSets::BoardOrder, "Left", "On The Left", ""},
    {Kind::Forty, "R", Choice::Right, Item::Forty, "&Right", kEmptyBoard, board::isRightHalf,
     FixedSets::BoardOrder, "Right", "On The Right", ""},
    {Kind::FortyForty, "TB", Choice::TopAndBottom, Item::FortyForty, "&Top And Bottom", kEmptyBoard,
     board::isTopHalf, FixedSets::None, "Top And Bottom", "On The Top", "On The Bottom"},
    {Kind::FortyForty, "LR", Choice::LeftAndRight, Item::FortyForty, "&Left And Right", kEmptyBoard,
     board::isLeftHalf, FixedSets::None, "Left And Right", "On The Left", "On The Right"},
    {Kind::LastBallDrawn,
     "LB",
     Choice::LastBallDrawn,
     Item::LastBallDrawn,
     "&Last Ball Drawn",
     {1, 6},
     nullptr,
     FixedSets::None,
     "Last Ball",
     "",
     ""},
    // A quick pick stays a regular ticket; only its code tells it apart.
    {Kind::Regular, "QP", Choice::QuickPick, Item::QuickPick, "&Quick Pick", kEmptyBoard, nullptr,
     FixedSets::None, "Quick Pick", "", ""},
    {Kind::SuperSpecial,
     "SS",
     Choice::SuperSpecial,
     Item::SuperSpecial,
     "&Super Special",
     {3, 10},
     nullptr,
     FixedSets::None,
     "Super Special",
     "",
     ""},
    {Kind::ThirtyTwoSpot, "E", Choice::TheEdge, Item::ThirtyTwoSpot, "The &Edge", kEmptyBoard,
     board::isEdge, FixedSets::AroundEdge, "Edge", "Along The Edge", ""},
    {Kind::ThirtyTwoSpot, "I", Choice::TheInside, Item::ThirtyTwoSpot, "The &Inside", kEmptyBoard,
     board::isInside, FixedSets::BoardOrder, "Inside", "On The Inside", ""},
    {Kind::Way,
     "",
     std::nullopt,
     Item::Way,
     "&Way",
     {1, 7},
     nullptr,
     FixedSets::None,
     "Way",
     "",
     ""},
}};

QString withoutAccelerator(const QString& caption) {
    QString words = caption;
    return words.remove(QLatin1Char('&'));
}

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

FixedNumberSets inBoardOrder(const KindRule& rule) {
    std::vector<std::uint8_t> all;
    for (int n = 1; n <= board::kNumbers; ++n)
        if (rule.region(n)) all.push_back(static_cast<std::uint8_t>(n));
    const auto half = all.begin() + static_cast<std::ptrdiff_t>(all.size() / 2);
    return {{all.begin(), half}, {half, all.end()}};
}

template <typename Tables,
          typename Entry = std::conditional_t<std::is_const_v<Tables>, const Money, Money>>
std::span<Entry> rowOf(Tables& t, TicketKind kind, int spots) {
    const KindPayoff* payoff = PayoffOf(kind);
    if (!payoff || payoff->payRule == PayRule::Ways) return {};
    const bool fixedKind = payoff->catchRule != CatchRule::MarkedSets;
    if (!fixedKind && !payoff->spots.contains(spots)) return {};
    const auto at = [payoff, spots] { return static_cast<std::size_t>(spots - payoff->spots.low); };
    switch (payoff->table) {
        case PayoffTable::Regular:
            return t.RegularPayoffs[at()];
        case PayoffTable::AllCatches:
            return t.AllCatchesPayoffs[at()];
        case PayoffTable::AllOrNothing:
            return t.AllOrNothingPayoffs[at()];
        case PayoffTable::BetAgainst:
            return t.BetAgainstPayoffs;
        case PayoffTable::CatchAll:
            return t.CatchAllPayoffs;
        case PayoffTable::Forty:
            return t.FortyPayoffs;
        case PayoffTable::FortyForty:
            return t.FortyFortyPayoffs;
        case PayoffTable::LastBall:
            return t.LastBallPayoffs[at()];
        case PayoffTable::SuperSpecial:
            return t.SuperSpecialPayoffs[at()];
        case PayoffTable::ThirtyTwoSpot:
            return t.ThirtyTwoSpotPayoffs;
    }
    return {};
}

}  // namespace

std::span<const KindRule> Rules() { return kRules; }

const KindRule* Find(TicketKind kind, const QString& code) {
    for (const KindRule& rule : kRules)
        if (rule.kind == kind && code == QLatin1String(rule.code)) return &rule;
    return nullptr;
}

const KindRule& RuleOf(TicketChoice choice) {
    for (const KindRule& rule : kRules)
        if (rule.choice == choice) return rule;
    return kRules.front();
}

const KindPayoff* PayoffOf(TicketKind kind) {
    for (const KindPayoff& payoff : kPayoffs)
        if (payoff.kind == kind) return &payoff;
    return nullptr;
}

bool IsValidKind(TicketKind kind, const QString& code) { return Find(kind, code) != nullptr; }

SpotRange PlayedSpots(const KindRule& rule) {
    if (rule.region) {
        const int inSetOne = static_cast<int>(FixedNumbers(rule).first.size());
        return {inSetOne, inSetOne};
    }
    return PayoffOf(rule.kind)->spots;
}

bool IsValidTicket(TicketKind kind, const QString& code, int spots, int sets) {
    const KindRule* rule = Find(kind, code);
    if (!rule || !PlayedSpots(*rule).contains(spots)) return false;
    if (kind == TicketKind::Way) return sets >= 1 && sets * spots <= board::kNumbers;
    if (rule->fixedSets != FixedSets::None) return sets == 2;
    if (rule->region) return sets == 0;
    return sets == 1;
}

SpotRange OfferedRange(MenuItem ticketItem) {
    for (const KindRule& rule : kRules)
        if (rule.menuItem == ticketItem) return rule.offered;
    return kNoBand;  // not a Tickets item: never offered
}

QString Words(const KindRule& rule) {
    if (!rule.menuItem) return QStringLiteral("Regular");
    return withoutAccelerator(QLatin1String(rule.caption));
}

QString KindName(TicketKind kind) {
    if (kind == TicketKind::Regular) return QStringLiteral("Regular");
    for (const KindRule& rule : kRules)
        if (rule.kind == kind && rule.menuItem)
            return withoutAccelerator(menuCaption(*rule.menuItem));
    return QStringLiteral("Kind %1").arg(kindByte(kind));
}

bool InRegion(const KindRule& rule, int n) { return rule.region != nullptr && rule.region(n); }

int RegionSize(TicketKind kind) {
    for (const KindRule& rule : kRules) {
        if (rule.kind != kind || !rule.region) continue;
        int size = 0;
        for (int n = 1; n <= board::kNumbers; ++n) size += rule.region(n) ? 1 : 0;
        return size;
    }
    return 0;
}

FixedNumberSets FixedNumbers(const KindRule& rule) {
    switch (rule.fixedSets) {
        case FixedSets::None:
            return {};
        case FixedSets::BoardOrder:
            return inBoardOrder(rule);
        case FixedSets::AroundEdge:
            return edgeNumbers();
    }
    return {};
}

std::optional<int> EntryIndex(const KindPayoff& payoff, int spots, int catches,
                              bool lastBallMarked) {
    const bool fixedKind = payoff.catchRule != CatchRule::MarkedSets;
    if (!fixedKind && !payoff.spots.contains(spots)) return std::nullopt;
    if (catches < 0 || catches > board::kBallsPerGame || (!fixedKind && catches > spots))
        return std::nullopt;
    switch (payoff.payRule) {
        case PayRule::ByCatches:
            return catches;
        case PayRule::NoneOrAll:
            if (catches == 0) return 0;
            if (catches == spots) return 1;
            return std::nullopt;
        case PayRule::NoneOnly:
            return catches == 0 ? std::optional<int>(spots) : std::nullopt;
        case PayRule::AllOnly:
            return catches == spots ? std::optional<int>(spots) : std::nullopt;
        case PayRule::LastBall:
            return catches == spots && lastBallMarked ? spots + 1 : catches;
        case PayRule::Ways:
            return std::nullopt;
    }
    return std::nullopt;
}

bool CatchesCanPay(const KindPayoff& payoff, int catches) {
    return payoff.payingCatches.contains(catches) || payoff.alsoPaying.contains(catches);
}

std::optional<int> PaidEntry(const KindPayoff& payoff, int spots, int catches,
                             bool lastBallMarked) {
    if (!CatchesCanPay(payoff, catches)) return std::nullopt;
    return EntryIndex(payoff, spots, catches, lastBallMarked);
}

std::span<const Money> PayoffRow(const PayoffTables& tables, TicketKind kind, int spots) {
    return rowOf(tables, kind, spots);
}

std::span<Money> PayoffRow(PayoffTables& tables, TicketKind kind, int spots) {
    return rowOf(tables, kind, spots);
}

}  // namespace kinds
