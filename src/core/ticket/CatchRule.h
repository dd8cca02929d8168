#pragma once

#include <QString>
#include <vector>

#include "core/state/GameState.h"

// The catch rule of the draw: which ball counts for the ticket, in whose
// colour it is shown, and how the board looks again once a draw is cleared.

// What a drawn ball did to the ticket.
struct BallCatch {
    bool caught = false;  // shown as caught (raised red) rather than drawn only
    int colourSet = 0;    // set whose colour its check glyph takes; 0 when not caught
};

// True when n lies in the fixed region of a Forty ("T", "B", "L", "R"),
// Thirty-Two Spot ("E", "I") or, for Forty Forty ("TB", "LR"), the first half
// its count goes by. False for any other kind or code.
bool IsInKindRegion(TicketKind kind, const QString& kindCode, int n);

// Forty, Forty Forty and Thirty-Two Spot show all their hits in set 1's colour.
bool UsesSetOneColour(TicketKind kind);

// The first set among 1..CurrentSet holding n within its first SpotsPerSet
// numbers, searched position by position (every set at a position before the
// next position); 0 when none holds it.
int SetHolding(const TicketState& ticket, int n);

// Applies the ticket kind's catch rule to ball n (1..80): adds to the Hits of
// the set it counts for and says how the ball is shown. Anything else is a miss.
BallCatch CatchBall(TicketState& ticket, int n);

// How a drawn cell is repainted when the draw is cleared.
struct ClearedCell {
    int number = 0;
    bool marked = false;  // back to the marked look; otherwise not marked
    int colourSet = 0;    // colour of its check glyph when marked
};

// The repaints of the drawn cells, in draw order. Empty when the board keeps
// its look: set 1 holds no number and the ticket is not a Forty Forty.
std::vector<ClearedCell> ClearedCells(const GameState& state);

// Forgets the draw: every set's Hits and every ball of Drawn back to 0.
void ForgetDraw(GameState& state);
