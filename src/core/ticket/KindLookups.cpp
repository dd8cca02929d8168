// What the rest of the game asks of the kind table: every answer is read
// from its rows (KindTable.cpp).
#include <algorithm>
#include <type_traits>

#include "core/state/Board.h"
#include "core/ticket/KindTable.h"

namespace kinds {

namespace {

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

// The kinds with a tab of "Payoffs & Odds", in tab order.
const std::vector<const KindPayoff*>& tabs() {
    static const std::vector<const KindPayoff*> list = [] {
        std::vector<const KindPayoff*> found;
        for (const KindPayoff& payoff : Payoffs())
            if (payoff.oddsTab) found.push_back(&payoff);
        return found;
    }();
    return list;
}

// The first row offering a Tickets item; null when none does.
const KindRule* firstRuleOf(MenuItem ticketItem) {
    for (const KindRule& rule : Rules())
        if (rule.menuItem == ticketItem) return &rule;
    return nullptr;
}

template <typename Tables,
          typename Entry = std::conditional_t<std::is_const_v<Tables>, const Money, Money>>
std::span<Entry> rowOf(Tables& tables, TicketKind kind, int spots) {
    const KindPayoff* payoff = PayoffOf(kind);
    if (!payoff || payoff->payRule == PayRule::Ways) return {};
    const bool fixedKind = payoff->catchRule != CatchRule::MarkedSets;
    if (!fixedKind && !payoff->spots.contains(spots)) return {};
    // A table of one row is indexed by its own entries; the others have a row per spot count.
    if (TableRowCount(payoff->table) == 1) return TableRow(tables, payoff->table, 0);
    return TableRow(tables, payoff->table, static_cast<std::size_t>(spots - payoff->spots.low));
}

}  // namespace

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
    if (PayoffOf(kind)->payRule == PayRule::Ways)
        return sets >= 1 && sets * spots <= board::kNumbers;
    if (rule->fixedSets != FixedSets::None) return sets == 2;
    if (rule->region) return sets == 0;
    return sets == 1;
}

SpotRange OfferedRange(MenuItem ticketItem) {
    const KindRule* rule = firstRuleOf(ticketItem);
    return rule ? rule->offered : SpotRange{1, 0};  // not a Tickets item: never offered
}

QString TicketItemCaption(MenuItem ticketItem) {
    const KindRule* rule = firstRuleOf(ticketItem);
    if (!rule) return {};
    return QLatin1String(*rule->submenu ? rule->submenu : rule->caption);
}

std::span<const MenuItem> TicketItems() {
    static const std::vector<MenuItem> items = [] {
        std::vector<MenuItem> found;
        for (const KindRule& rule : Rules())
            if (rule.menuItem &&
                std::find(found.begin(), found.end(), *rule.menuItem) == found.end())
                found.push_back(*rule.menuItem);
        return found;
    }();
    return items;
}

bool IsSubmenu(MenuItem ticketItem) {
    const KindRule* rule = firstRuleOf(ticketItem);
    return rule && *rule->submenu;
}

bool PicksAtPlay(MenuItem ticketItem) {
    const KindRule* rule = firstRuleOf(ticketItem);
    return rule && rule->picksAtPlay;
}

QString Words(const KindRule& rule) {
    if (!rule.menuItem) return QStringLiteral("Regular");
    return withoutAccelerator(QLatin1String(rule.caption));
}

QString KindName(TicketKind kind) {
    for (const KindRule& rule : Rules()) {
        if (rule.kind != kind) continue;
        if (!rule.menuItem) return QStringLiteral("Regular");  // the plain ticket has no entry
        return withoutAccelerator(TicketItemCaption(*rule.menuItem));
    }
    return QStringLiteral("Kind %1").arg(KindByte(kind));
}

int TabCount() { return static_cast<int>(tabs().size()); }

TicketKind TabKind(int tab) {
    if (tab < 0 || tab >= TabCount()) tab = 0;
    return tabs()[static_cast<std::size_t>(tab)]->kind;
}

QString TabTitle(int tab) {
    if (tab < 0 || tab >= TabCount()) return {};
    return QLatin1String(tabs()[static_cast<std::size_t>(tab)]->oddsTab);
}

int TabOf(TicketKind kind) {
    const KindPayoff* payoff = PayoffOf(kind);
    if (!payoff) return 0;
    const KindPayoff* shown = payoff->oddsTab ? payoff : &TableOwner(payoff->table);
    const auto found = std::find(tabs().begin(), tabs().end(), shown);
    return found == tabs().end() ? 0 : static_cast<int>(found - tabs().begin());
}

bool InRegion(const KindRule& rule, int n) { return rule.region != nullptr && rule.region(n); }

int RegionSize(TicketKind kind) {
    for (const KindRule& rule : Rules()) {
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
