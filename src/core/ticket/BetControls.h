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

// The tags of the 80 board cells: 100 + n, 200 + n or 300 + n (see Board.h).
class CellTags {
  public:
    CellTags() { resetAll(); }
    int tag(int number) const { return tags_[static_cast<std::size_t>(number)]; }
    void set(int number, int tag) { tags_[static_cast<std::size_t>(number)] = tag; }
    bool isUnmarked(int number) const { return tag(number) < board::kTagMarked; }
    bool isMarked(int number) const {
        return tag(number) >= board::kTagMarked && tag(number) < board::kTagLocked;
    }
    // Locks a member of a completed way group: clicks on it are ignored.
    void lock(int number) { set(number, board::kTagLocked + number); }
    void resetAll() {
        for (int n = 0; n <= board::kNumbers; ++n)
            tags_[static_cast<std::size_t>(n)] = board::kTagUnmarked + n;
    }

  private:
    std::array<int, board::kNumbers + 1> tags_{};
};

// What a click on a cell does.
enum class CellAction { None, Mark, Unmark };

// Which derived totals changed and must be repainted.
struct TotalsChange {
    bool pricePerGame = false;
    bool totalPrice = false;
};

// The outcome of one spinner step, for the window to repaint.
struct SpinnerResult {
    bool stepped = false;                          // the guard held and the value changed
    bool aggregateRefused = false;                 // show the aggregate notice; nothing changed
    ValueField field = ValueField::NumberOfGames;  // the value box to repaint when stepped
    TotalsChange totals;
};

namespace bet {

// Pressed tags of the spinner arrows (released tag + 1).
constexpr int kGamesUp = 108, kGamesDown = 110, kGamesUpLarge = 112, kGamesDownLarge = 114;
constexpr int kPriceUp = 208, kPriceDown = 210, kPriceUpLarge = 212, kPriceDownLarge = 214;
constexpr int kSpotsUp = 18, kSpotsDown = 20;

constexpr std::int32_t kMostGames = 1000;
constexpr Money kLowestPrice = 500;  // $0.05
constexpr Money kHighestPrice = money::dollars(100);
constexpr int kMostSpots = 20;

// True when no further number may be marked in the set being filled.
bool SpotLimitReached(const GameState& state, bool wayChecked);

// What a left click on a cell with this tag does now.
CellAction cellAction(int tag, const GameState& state, bool wayChecked);

// Keeps Sets[CurrentSet] in step with a cell just marked (add) or unmarked;
// CurrentNumber is the number. Returns true when the add completed a way group.
bool AddOrRemoveNumber(GameState& state, bool added);

// One step of the arrow whose pressed tag is given.
SpinnerResult SpinnerStep(GameState& state, int pressedTag);

// PricePerGame := Ways x PricePerWay; TotalPrice := NumberOfGames x PricePerGame.
TotalsChange UpdateTotals(GameState& state);

// The state part of the ticket reset: the empty ticket with the default bet.
void ResetTicketState(GameState& state);

// Balance := 0; returns the new balance caption.
QString ResetBalance(GameState& state);

// The text of a value box: "12", "$1.00", "7 SPOT".
QString valueText(const GameState& state, ValueField field);

}  // namespace bet
