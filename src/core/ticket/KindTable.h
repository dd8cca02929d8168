#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/state/PayoffTables.h"
#include "core/state/TicketKind.h"
#include "core/ticket/MenuRules.h"

// Every ticket kind's rules, written once, in two tables that everything else
// reads: the Tickets menu, the draw, the evaluation, the payoffs window, the
// replay wording, the saved-ticket checks, the printed ticket, the schedule
// design and velloro-tool.
//
// - The kinds (KindPayoff, one row per TicketKind byte): the spot counts it is
//   played at, the payoff table it pays from and which entry an outcome
//   reads, its catch rule, its tab of "Payoffs & Odds", what the delivered
//   schedules pay, and how `schedules show` heads its table.
// - The tickets (KindRule, one row per TicketKind and KindCode, in menu
//   order): the Tickets entry that chooses it, its submenu and caption, when
//   it is offered, its region and fixed numbers, and its words in a replay.
//
// How to add a ticket kind:
// - A ticket of an existing kind paying from that kind's table, such as a
//   region of 40 numbers played as a Forty ticket: its TicketChoice below and
//   its KindRule row where it stands in the menu (its submenu, caption, code,
//   region of as many numbers as the kind's other regions, fixed sets and
//   words), then its tests and its help topic (assets/Keno.hlp). Nothing else
//   changes: the menus, the checks of saved tickets and history records, the
//   replay, the printed ticket and the odds window read the rows. Tests that
//   count every row see the new one: the submenu's captions in
//   TableWindowTest, the rows OddsAgreeWithPlay plays, and the soak's own
//   account of each region (tests/support/SoakRun.cpp).
// - A new kind byte paying from an existing table also has a KindPayoff row
//   and its value in TicketKind (the byte the records store); a Tickets
//   entry at the top of the menu also has its MenuItem. The schedule design
//   and the return to player read a table from the first kind paying from it,
//   so the delivered schedules stay as they are.
// - A kind needing a payoff table of its own changes the schedule file's
//   record (cpos.vlr, 5616 bytes): a new PayoffTable with its member of
//   PayoffTables, its place in ForEachPayoffTable and kPayoffTableCount, a
//   larger kScheduleRecordSize (the compiler checks it against the tables),
//   every cpos.vlr delivered or kept by a player made again or converted, the
//   design of its entries in the schedule design, its title for `schedules
//   show`, and the rows above. That is a change of the file format, not a
//   row.

// Every menu command that turns a plain ticket into a kind (the way ticket
// has its own window and is not among them).
enum class TicketChoice {
    AllCatches,
    AllOrNothing,
    BetAgainst,
    CatchAll,
    Top,
    Bottom,
    Left,
    Right,
    TopAndBottom,
    LeftAndRight,
    LastBallDrawn,
    QuickPick,
    SuperSpecial,
    TheEdge,
    TheInside,  // the last choice
};
inline constexpr int kTicketChoiceCount = static_cast<int>(TicketChoice::TheInside) + 1;

namespace kinds {

// A range of counts, both ends included; empty when low > high.
struct SpotRange {
    int low = 0;   // the smallest count
    int high = 0;  // the largest count
    // Whether n lies in the range.
    constexpr bool contains(int n) const { return n >= low && n <= high; }
    bool operator==(const SpotRange&) const = default;
};

// Which entry of its payoff row an outcome of the draw reads.
enum class PayRule : std::uint8_t {
    ByCatches,  // entry [catches]
    NoneOrAll,  // entry [0] for no catch, [1] for catching every spot, no entry otherwise
    NoneOnly,   // entry [spots] for no catch, no entry otherwise
    AllOnly,    // entry [spots] for catching every spot, no entry otherwise
    LastBall,   // [catches]; [spots + 1] when every spot is caught and the 20th ball is one
    Ways,       // the sum over the bet ways, each paid from the regular rows
};

// What a falling ball does to the ticket.
enum class CatchRule : std::uint8_t {
    MarkedSets,  // a ball among a set's first SpotsPerSet numbers is a catch of that set
    Region,      // a ball in the kind's region is a catch of set 1
    FirstHalf,   // no ball is a catch; set 1 counts the balls in the kind's first half
};

// How a ticket's fixed numbers are laid into Sets[1] and Sets[2].
enum class FixedSets : std::uint8_t {
    None,        // the player marks (or quick pick draws) the numbers
    BoardOrder,  // the region in board order, its first half in set 1
    AroundEdge,  // row 1 then column 1 in set 1; row 8 then column 10 in set 2
};

// The rules shared by every code of one TicketKind: how it is played and paid.
struct KindPayoff {
    TicketKind kind;          // the kind these rules pay
    SpotRange spots;          // spot counts with a payoff row; way: the group size
    PayoffTable table;        // the table its rows come from
    PayRule payRule;          // which entry an outcome reads
    SpotRange payingCatches;  // catch counts that pay (the schedules hold 0 elsewhere)
    SpotRange alsoPaying;     // a second band of paying catch counts ({1, 0} when none)
    bool oddsTestEntry;    // the odds window counts a row as paying only when its entry is above 0
    bool returnOfEntry;    // the odds window's expected return is figured on the entry, not the
                           // capped win
    CatchRule catchRule;   // what a falling ball does
    bool tellsOtherCodes;  // a replay tells a code of no row as the kind's last row
    const char* oddsTab;   // its tab of "Payoffs & Odds", in row order; null: none (way)
    // How `schedules show` heads its table; null when the table is another kind's.
    const char* tableTitle;
    // Which entries of a row of `spots` spots the delivered schedules pay,
    // within the paying bands.
    bool (*designPays)(int spots, int entry);
};

// One row per TicketKind and KindCode, in the order of the Tickets menu.
struct KindRule {
    TicketKind kind;                     // its TicketKind; its payoff rules are PayoffOf(kind)
    const char* code;                    // KindCode: "" for a regular or way ticket
    std::optional<TicketChoice> choice;  // the menu command that chooses it
    std::optional<MenuItem> menuItem;    // the Tickets item that offers it and takes the check mark
    const char* submenu;    // the Tickets submenu it stands in ("Forty"); "" at the top
    const char* caption;    // its own menu caption ("&Top" inside "Forty"); "" for regular
    SpotRange offered;      // SpotsMarked at which the Tickets menu offers it
    bool picksAtPlay;       // its numbers are drawn at PLAY, as many as its arrows set
    bool (*region)(int n);  // its region, or the first half it counts; null when none
    FixedSets fixedSets;    // the numbers it marks itself
    // Its words in a replayed game: the ticket's name ("All Catches", "Last
    // Ball", "Edge"; "" for regular), where its region's catches lie ("On The
    // Top", "Along The Edge"; "" without a region) and, for Forty Forty, where
    // the other half's lie ("On The Bottom").
    const char* name;
    const char* where;
    const char* otherWhere;
};

// Every ticket row: regular, the menu choices in menu order, way.
std::span<const KindRule> Rules();
// Every kind row, by TicketKind.
std::span<const KindPayoff> Payoffs();
// The row of a kind and code; null when the pair names no kind (a damaged record).
const KindRule* Find(TicketKind kind, const QString& code);
// The row a menu command chooses.
const KindRule& RuleOf(TicketChoice choice);
// The payoff rules of a TicketKind; null for a byte that is no kind.
const KindPayoff* PayoffOf(TicketKind kind);
// The largest kind byte with a row.
std::uint8_t HighestKind();
// The first kind paying from a table: its rows' spot counts, schedule design and title.
const KindPayoff& TableOwner(PayoffTable table);

// Whether the pair names a row of the table.
bool IsValidKind(TicketKind kind, const QString& code);
// Whether a ticket of this kind and code can hold `spots` (SpotsPerSet when
// played) in `sets` number sets: a way ticket 1..80/spots groups, a fixed
// region 2 sets, Forty Forty none, any other 1.
bool IsValidTicket(TicketKind kind, const QString& code, int spots, int sets);
// SpotsPerSet of a played ticket of this row: the payoff spots, or for a
// fixed kind the numbers it puts in set 1.
SpotRange PlayedSpots(const KindRule& rule);

// The smallest and largest SpotsMarked at which a Tickets item is offered.
SpotRange OfferedRange(MenuItem ticketItem);
// The caption of a Tickets item: its submenu's ("Forty") or its own ("&Way").
QString TicketItemCaption(MenuItem ticketItem);
// The Tickets items, each once, in menu order.
std::span<const MenuItem> TicketItems();
// Whether a Tickets item opens a submenu of its codes.
bool IsSubmenu(MenuItem ticketItem);
// Whether the ticket of a Tickets item draws its numbers at PLAY (a quick pick).
bool PicksAtPlay(MenuItem ticketItem);
// "All Catches", "Top And Bottom", "Quick Pick", "Regular": a row's words.
QString Words(const KindRule& rule);
// "All Catches", "Forty", "Thirty-Two Spot", "Regular", "Way": a TicketKind's name.
QString KindName(TicketKind kind);

// The tabs of "Payoffs & Odds": how many, the kind of tab `tab` (anything
// else is the first), its title, and the tab a kind opens on (a kind without
// a tab, the way ticket, opens on the tab of the kind owning its table).
int TabCount();
TicketKind TabKind(int tab);
QString TabTitle(int tab);
int TabOf(TicketKind kind);

// Whether n lies in the row's region (or first half); false for a row without one.
bool InRegion(const KindRule& rule, int n);
// How many of the 80 numbers a kind's region holds (40 or 32); 0 for a marked kind.
int RegionSize(TicketKind kind);
// The numbers a row stores in Sets[1] and Sets[2], in order; both empty when it marks none.
struct FixedNumberSets {
    std::vector<std::uint8_t> first;
    std::vector<std::uint8_t> second;
};
FixedNumberSets FixedNumbers(const KindRule& rule);

// The entry of its payoff row that an outcome reads: `catches` of a ticket of
// `spots` spots, `lastBallMarked` when the 20th ball is one of its numbers.
// None when the outcome has no entry or the spot count no row.
std::optional<int> EntryIndex(const KindPayoff& payoff, int spots, int catches,
                              bool lastBallMarked);
// Whether `catches` lies in a band of catch counts that pay.
bool CatchesCanPay(const KindPayoff& payoff, int catches);
// The entry the payoffs window and the schedule design pay an outcome from:
// EntryIndex within a paying band; none otherwise.
std::optional<int> PaidEntry(const KindPayoff& payoff, int spots, int catches, bool lastBallMarked);
// The row of the kind's table a ticket of `spots` spots is paid from (Bet
// Against, Catch All and the fixed kinds: the whole table); empty when none.
std::span<const Money> PayoffRow(const PayoffTables& tables, TicketKind kind, int spots);
std::span<Money> PayoffRow(PayoffTables& tables, TicketKind kind, int spots);

}  // namespace kinds
