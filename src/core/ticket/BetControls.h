#pragma once

#include <QString>
#include <array>

#include "core/state/Board.h"
#include "core/state/GameState.h"

// The green value boxes of the bet.
enum class ValueField {
    NumberOfGames,  // ImageNOGN
    PricePerWay,    // ImagePPWN
    PricePerGame,   // ImagePPGN
    TotalPrice,     // ImageTPN
    Spot,           // ImageSpot
};

// The state of each of the 80 board cells.
class BoardCells {
  public:
    BoardCells() { resetAll(); }
    CellState state(int number) const { return states_[static_cast<std::size_t>(number)]; }
    bool isUnmarked(int number) const { return state(number) == CellState::Unmarked; }
    bool isMarked(int number) const { return state(number) == CellState::Marked; }
    void mark(int number) { set(number, CellState::Marked); }
    void unmark(int number) { set(number, CellState::Unmarked); }
    // Locks a member of a completed way group: clicks on it are ignored.
    void lock(int number) { set(number, CellState::Locked); }
    void resetAll() { states_.fill(CellState::Unmarked); }
    // The tag the painted cell carries for its state: 100 + n, 200 + n or 300 + n.
    int tag(int number) const { return board::CellTag(number, state(number)); }

  private:
    void set(int number, CellState state) { states_[static_cast<std::size_t>(number)] = state; }
    std::array<CellState, board::kNumbers + 1> states_{};
};

// What a click on a cell does.
enum class CellAction { None, Mark, Unmark };

// Which derived totals changed and must be repainted.
struct TotalsChange {
    bool pricePerGame = false;
    bool totalPrice = false;
};

// The ten arrows of the bet: NUMBER OF GAMES and PRICE PER WAY, each by a
// small and a large step up and down, and the quick pick's spot count.
enum class BetArrow {
    GamesUp,          // + 1
    GamesDown,        // - 1
    GamesUpTen,       // + 10, at most 1000
    GamesDownTen,     // - 10, at least 1
    PriceUp,          // + $0.05
    PriceDown,        // - $0.05
    PriceUpDollar,    // + $1.00, at most $100.00
    PriceDownDollar,  // - $1.00, at least $0.05
    SpotsUp,          // the quick pick's count + 1
    SpotsDown,        // the quick pick's count - 1
};

// The outcome of one spinner step, for the window to repaint.
struct SpinnerResult {
    bool stepped = false;                          // the guard held and the value changed
    bool aggregateRefused = false;                 // show the aggregate notice; nothing changed
    ValueField field = ValueField::NumberOfGames;  // the value box to repaint when stepped
    TotalsChange totals;
};

namespace bet {

constexpr std::int32_t kMostGames = 1000;
constexpr Money kLowestPrice = 500;  // $0.05
constexpr Money kHighestPrice = money::Dollars(100);
constexpr int kMostSpots = 20;

// True when no further number may be marked in the set being filled.
bool SpotLimitReached(const TicketState& ticket, bool wayChecked);

// What a left click on a cell in this state does now.
CellAction CellActionFor(CellState cell, const TicketState& ticket, bool wayChecked);

// Puts a number just marked into Sets[CurrentSet]; true when it completed a way group.
bool AddNumber(TicketState& ticket, int number);
// Takes a number just unmarked out of Sets[CurrentSet], closing the gap.
void RemoveNumber(TicketState& ticket, int number);

// One step of an arrow.
SpinnerResult SpinnerStep(GameState& state, BetArrow arrow);

// PricePerGame := Ways x PricePerWay; TotalPrice := NumberOfGames x PricePerGame.
TotalsChange UpdateTotals(GameState& state);

// The state part of the ticket reset: the empty ticket with the default bet.
void ResetTicketState(GameState& state);

// Balance := 0.
void ResetBalance(RunState& run);

// The spot box's text: "7 SPOT".
QString SpotText(int spots);
// A spot count in words: "1 spot", "7 spots".
QString SpotsWords(int spots);

// The text of a value box: "12", "$1.00", "7 SPOT".
QString ValueText(const GameState& state, ValueField field);

}  // namespace bet
