// The two tables of ticket kinds (see KindTable.h): the rows, and the
// lookups that only find a row.
#include "core/ticket/KindTable.h"

#include <array>
#include <iterator>

#include "core/state/Board.h"

namespace kinds {

namespace {

using Kind = TicketKind;
using Choice = TicketChoice;
using Item = MenuItem;
constexpr SpotRange kEmptyBoard{0, 0};
constexpr SpotRange kNoBand{1, 0};
constexpr SpotRange kEveryCatch{0, board::kBallsPerGame};

// What the delivered schedules pay: the smallest catch that pays a ticket of
// s spots (index s) on the regular and the Last Ball Drawn rows, and on the
// Super Special rows.
constexpr std::array<int, 21> kRegularFirstPay{0, 1, 2, 2, 2, 3, 3, 3, 4, 4, 5,
                                               5, 6, 6, 6, 7, 7, 7, 8, 8, 8};
constexpr std::array<int, 11> kSuperSpecialFirstPay{0, 0, 0, 2, 2, 3, 3, 4, 4, 5, 5};

std::size_t at(int spots) { return static_cast<std::size_t>(spots); }

bool everyEntryPays(int, int) { return true; }
// Long tickets also pay for catching nothing at all.
bool regularPays(int spots, int entry) {
    return entry >= kRegularFirstPay[at(spots)] || (entry == 0 && spots >= 13);
}
bool lastBallPays(int spots, int entry) { return entry >= kRegularFirstPay[at(spots)]; }
bool superSpecialPays(int spots, int entry) {
    return entry >= kSuperSpecialFirstPay[at(spots)] || (entry == 0 && spots >= 9);
}
// The edge or the inside pays the lopsided draws either way.
bool thirtyTwoSpotPays(int, int entry) { return entry <= 1 || entry >= 12; }

// How each kind is played and paid, by TicketKind.
// clang-format off
constexpr KindPayoff kPayoffs[] = {
    // kind, spots, table, pay rule, paying catches, second band, odds test the entry, return of
    // the entry, catch rule, replay tells other codes, odds tab, `schedules show` title, what
    // the design pays
    {Kind::Regular, {1, 20}, PayoffTable::Regular, PayRule::ByCatches, kEveryCatch, kNoBand, true,
     false, CatchRule::MarkedSets, true, "1 To 20 Spot", "Regular, by catches 0 to 20", regularPays},
    {Kind::AllCatches, {7, 10}, PayoffTable::AllCatches, PayRule::ByCatches, kEveryCatch, kNoBand,
     false, false, CatchRule::MarkedSets, true, "All Catches", "All Catches, by catches 0 to 10",
     everyEntryPays},
    // Its return is figured on what the table pays, before the aggregate cap.
    {Kind::AllOrNothing, {4, 8}, PayoffTable::AllOrNothing, PayRule::NoneOrAll, kEveryCatch,
     kNoBand, false, true, CatchRule::MarkedSets, true, "All Or Nothing",
     "All Or Nothing, none caught then all caught", everyEntryPays},
    {Kind::BetAgainst, {8, 15}, PayoffTable::BetAgainst, PayRule::NoneOnly, kEveryCatch, kNoBand,
     false, false, CatchRule::MarkedSets, true, "Bet Against", "Bet Against, by spots 0 to 15",
     everyEntryPays},
    {Kind::CatchAll, {2, 7}, PayoffTable::CatchAll, PayRule::AllOnly, kEveryCatch, kNoBand, false,
     false, CatchRule::MarkedSets, true, "Catch All", "Catch All, by spots 0 to 7", everyEntryPays},
    // Forty pays the 11 or more of its 40 that beat an even split.
    {Kind::Forty, kEmptyBoard, PayoffTable::Forty, PayRule::ByCatches, {11, 20}, kNoBand, false,
     false, CatchRule::Region, false, "Forty", "Forty, by balls among the 40 from 0 to 20",
     everyEntryPays},
    // Forty Forty pays a lopsided split either way.
    {Kind::FortyForty, kEmptyBoard, PayoffTable::FortyForty, PayRule::ByCatches, {0, 7}, {13, 20},
     false, false, CatchRule::FirstHalf, true, "Forty Forty",
     "Forty Forty, by balls in the first half from 0 to 20", everyEntryPays},
    {Kind::LastBallDrawn, {1, 6}, PayoffTable::LastBall, PayRule::LastBall, kEveryCatch, kNoBand,
     true, false, CatchRule::MarkedSets, true, "Last Ball Drawn",
     "Last Ball Drawn, by catches 0 to 7 (spots + 1: all caught, the last ball among them)",
     lastBallPays},
    {Kind::SuperSpecial, {3, 10}, PayoffTable::SuperSpecial, PayRule::ByCatches, kEveryCatch,
     kNoBand, true, false, CatchRule::MarkedSets, true, "Super Special",
     "Super Special, by catches 0 to 10", superSpecialPays},
    {Kind::ThirtyTwoSpot, kEmptyBoard, PayoffTable::ThirtyTwoSpot, PayRule::ByCatches,
     kEveryCatch, kNoBand, true, false, CatchRule::Region, true, "Thirty Two Spot",
     "Thirty-Two Spot, by balls among the 32 from 0 to 20", thirtyTwoSpotPays},
    // A way ticket's group size; each way is paid as a regular ticket.
    {Kind::Way, {1, 7}, PayoffTable::Regular, PayRule::Ways, kEveryCatch, kNoBand, true, false,
     CatchRule::MarkedSets, true, nullptr, nullptr, everyEntryPays},
};
// clang-format on

// Every kind and code, in the order of the Tickets menu.
// clang-format off
constexpr KindRule kRules[] = {
    // kind, code, menu command, Tickets item, submenu, caption, offered at, picks at PLAY,
    // region, fixed sets, name, where its catches lie, where the other half's lie
    {Kind::Regular, "", std::nullopt, std::nullopt, "", "", {1, 20}, false, nullptr,
     FixedSets::None, "", "", ""},
    {Kind::AllCatches, "AC", Choice::AllCatches, Item::AllCatches, "", "&All Catches", {7, 10},
     false, nullptr, FixedSets::None, "All Catches", "", ""},
    {Kind::AllOrNothing, "AN", Choice::AllOrNothing, Item::AllOrNothing, "", "All Or &Nothing",
     {4, 8}, false, nullptr, FixedSets::None, "All Or Nothing", "", ""},
    {Kind::BetAgainst, "BA", Choice::BetAgainst, Item::BetAgainst, "", "&Bet Against", {8, 15},
     false, nullptr, FixedSets::None, "Bet Against", "", ""},
    {Kind::CatchAll, "CA", Choice::CatchAll, Item::CatchAll, "", "&Catch All", {2, 7}, false,
     nullptr, FixedSets::None, "Catch All", "", ""},
    {Kind::Forty, "T", Choice::Top, Item::Forty, "Forty", "&Top", kEmptyBoard, false,
     board::IsTopHalf, FixedSets::BoardOrder, "Top", "On The Top", ""},
    {Kind::Forty, "B", Choice::Bottom, Item::Forty, "Forty", "&Bottom", kEmptyBoard, false,
     board::IsBottomHalf, FixedSets::BoardOrder, "Bottom", "On The Bottom", ""},
    {Kind::Forty, "L", Choice::Left, Item::Forty, "Forty", "&Left", kEmptyBoard, false,
     board::IsLeftHalf, FixedSets::BoardOrder, "Left", "On The Left", ""},
    {Kind::Forty, "R", Choice::Right, Item::Forty, "Forty", "&Right", kEmptyBoard, false,
     board::IsRightHalf, FixedSets::BoardOrder, "Right", "On The Right", ""},
    {Kind::FortyForty, "TB", Choice::TopAndBottom, Item::FortyForty, "Forty Forty",
     "&Top And Bottom", kEmptyBoard, false, board::IsTopHalf, FixedSets::None, "Top And Bottom",
     "On The Top", "On The Bottom"},
    {Kind::FortyForty, "LR", Choice::LeftAndRight, Item::FortyForty, "Forty Forty",
     "&Left And Right", kEmptyBoard, false, board::IsLeftHalf, FixedSets::None, "Left And Right",
     "On The Left", "On The Right"},
    {Kind::LastBallDrawn, "LB", Choice::LastBallDrawn, Item::LastBallDrawn, "", "&Last Ball Drawn",
     {1, 6}, false, nullptr, FixedSets::None, "Last Ball", "", ""},
    // A quick pick stays a regular ticket; only its code tells it apart.
    {Kind::Regular, "QP", Choice::QuickPick, Item::QuickPick, "", "&Quick Pick", kEmptyBoard, true,
     nullptr, FixedSets::None, "Quick Pick", "", ""},
    {Kind::SuperSpecial, "SS", Choice::SuperSpecial, Item::SuperSpecial, "", "&Super Special",
     {3, 10}, false, nullptr, FixedSets::None, "Super Special", "", ""},
    {Kind::ThirtyTwoSpot, "E", Choice::TheEdge, Item::ThirtyTwoSpot, "&Thirty-Two Spot",
     "The &Edge", kEmptyBoard, false, board::IsEdge, FixedSets::AroundEdge, "Edge",
     "Along The Edge", ""},
    {Kind::ThirtyTwoSpot, "I", Choice::TheInside, Item::ThirtyTwoSpot, "&Thirty-Two Spot",
     "The &Inside", kEmptyBoard, false, board::IsInside, FixedSets::BoardOrder, "Inside",
     "On The Inside", ""},
    {Kind::Way, "", std::nullopt, Item::Way, "", "&Way", {1, 7}, false, nullptr, FixedSets::None,
     "Way", "", ""},
};
// clang-format on

}  // namespace

std::span<const KindRule> Rules() { return kRules; }

std::span<const KindPayoff> Payoffs() { return kPayoffs; }

const KindRule* Find(TicketKind kind, const QString& code) {
    for (const KindRule& rule : kRules)
        if (rule.kind == kind && code == QLatin1String(rule.code)) return &rule;
    return nullptr;
}

const KindRule& RuleOf(TicketChoice choice) {
    for (const KindRule& rule : kRules)
        if (rule.choice == choice) return rule;
    return kRules[0];
}

const KindPayoff* PayoffOf(TicketKind kind) {
    for (const KindPayoff& payoff : kPayoffs)
        if (payoff.kind == kind) return &payoff;
    return nullptr;
}

std::uint8_t HighestKind() {
    std::uint8_t highest = 0;
    for (const KindPayoff& payoff : kPayoffs) highest = std::max(highest, KindByte(payoff.kind));
    return highest;
}

const KindPayoff& TableOwner(PayoffTable table) {
    for (const KindPayoff& payoff : kPayoffs)
        if (payoff.table == table && payoff.payRule != PayRule::Ways) return payoff;
    return kPayoffs[0];
}

}  // namespace kinds
