#pragma once

#include <QString>
#include <optional>

#include "core/sound/SoundCatalogue.h"
#include "core/state/GameState.h"

class RandomSource;

// What the main window shows and plays once a game is evaluated.
struct GameResult {
    Money gameWin = 0;  // shown by ResultText
    // Played to its end; none when sounds are off or the win is negative.
    std::optional<sounds::Request> sound;
};

// The table sum of the drawn game for a $1.00 ticket, in Money units: the
// entry the kind table says the outcome reads, as the table stands. An outcome
// outside its table (a ticket restored from a damaged file) pays nothing.
long double PayoffSum(const GameState& state);

// sum x price per way / 10000, rounded half to even, capped at the limit.
Money ScaledWin(long double sum, Money pricePerWay, Money aggregateLimit);

// "YOU WON " and the amount for a win above 0, "BUST" otherwise.
QString ResultText(Money gameWin);

// The result sound: one of five for a bust, the small win for a win up to the
// price per game, one of six above it, none for a negative win. Draws from the
// generator only when a choice is made, and only when sounds are on.
std::optional<sounds::Request> ResultSound(Money gameWin, Money pricePerGame, bool soundsOn,
                                           RandomSource& random);

// Evaluates the game just drawn: sets GameWin, adds it to Balance and returns
// what to show and play. The generator is the draw's own; it is not reseeded.
GameResult EvaluateGame(GameState& state, RandomSource& random);
