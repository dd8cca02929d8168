#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/state/Money.h"
#include "core/state/PayoffTables.h"
#include "core/state/TicketKind.h"
#include "core/state/TicketSet.h"

// The ways bet per combination size k = 1..15, as both record files store them.
inline constexpr int kWayRows = 15;

// The ticket being built and played: its sets with their hits, its kind and
// its ways. Only the ticket rules (marking, catching, tallying ways) take it alone.
struct TicketState {
    TicketSets Sets{};
    std::uint8_t CurrentSet = 1;     // set being filled; also how many sets the draw scans
    std::uint8_t CompletedSets = 0;  // completed way groups
    std::uint8_t SpotsMarked = 0;    // numbers marked in the set being filled (quick pick: to pick)
    std::uint8_t SpotsPerSet = 0;    // spots per set at play time
    std::uint8_t PayoffSpots = 0;    // spot count that selects the payoff row
    TicketKind Kind = TicketKind::Regular;
    QString KindCode;  // at most 2 characters
    std::int32_t Ways = 1;
    std::array<std::int32_t, kWayRows> WayCounts{};  // ways bet per combination size k = 1..15
};

// What the player stakes on the ticket.
struct BetState {
    std::int32_t NumberOfGames = 1;
    Money PricePerWay = money::kOneDollar;
    Money PricePerGame = money::kOneDollar;
    Money TotalPrice = money::kOneDollar;
};

// The games played: the game number, the games left of a run, the draw, the
// last win and the balance.
struct RunState {
    std::int32_t GameNumber = -1;  // 0..999; -1 only before the first game
    std::int32_t GamesToGo = 0;
    std::array<std::uint8_t, 20> Drawn{};  // balls in draw order, 0 = not drawn
    Money GameWin = 0;
    Money Balance = 0;
};

// The payoff schedule the games are paid by.
struct ScheduleInForce {
    Money AggregateLimit = 0;
    std::int32_t ScheduleNumber = 0;
    PayoffTables Payoffs{};
};

// The session's settings, back to these defaults on every start.
struct SessionSettings {
    std::int32_t PauseBetweenNumbers = 0;  // 0 = none, 1..60 seconds
    std::int32_t PauseBetweenGames = 0;    // 0 = none, 1..300 seconds, 301 = until NEXT
    Money PauseWinThreshold = 0;
    bool SoundsOn = true;
    bool MusicOn = true;
};

// The one record of the game table, in its five parts; it lives from start-up
// to exit. The fields keep the names the record files give them, so a part's
// field reads the same on the whole state (state.Sets) as on the part; code
// that needs one part takes that part, code that needs several the whole.
struct GameState : TicketState, BetState, RunState, ScheduleInForce, SessionSettings {};

// Pause settings' limits.
constexpr std::int32_t kPauseUntilNext = 301;

// The game number as every text shows it (the status box, the printed ticket,
// the history lists, the replay): "007"; "000" before the first game.
QString GameNumberText(std::int32_t gameNumber);

// "&You're Ahead $2.50" / "&You're Down $2.50".
QString BalanceCaption(Money balance);

// Puts these fields of a part back to the values a new part has: the
// defaults are stated once, in the part itself.
template <auto... Field, typename Part>
void ResetToNew(Part& part) {
    const Part fresh;
    ((part.*Field = fresh.*Field), ...);
}

// Every session starts with the settings a new state has: music and sounds
// on, no pauses.
void ResetSessionSettings(SessionSettings& settings);

// The spot count whose payoff row a ticket is paid, recorded and saved by:
// the group size of a way ticket (the spots per set at play), else the marked spots.
std::uint8_t PayoffSpotsOf(const TicketState& ticket);
