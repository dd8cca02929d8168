#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/stats/DrawFairness.h"
#include "core/stats/PlayHistory.h"

// How the recorded play went against what its tickets were worth, and
// whether its balls look fair: the figures the Your Play window and
// `velloro-tool stats` show.
namespace stats {

struct PlayFigures {
    int games = 0;
    Money paid = 0;                     // the price of every game
    Money won = 0;                      // every win
    long double expectedReturn = 0.0L;  // the sum of the tickets' mean wins, Money units
    long double deviation = 0.0L;       // the square root of the sum of their variances
    std::optional<long double> luck;    // (won - expected) / deviation; none without spread
    Fairness fairness;                  // of the balls drawn in these games
};

PlayFigures FiguresOf(const PlayHistory& play);

// The figures as text: "$1,030.00", "68.20%", "-0.24", "81.77", "0.3931".
struct FigureTexts {
    QString games;
    QString paid;
    QString won;
    QString returnToPlayer;
    QString expectedReturn;
    QString expectedReturnToPlayer;  // the expected return over the price paid
    QString deviation;
    QString luck;  // "n/a" when no game's win could vary
    QString fairnessStatistic;
    QString degreesOfFreedom;
    QString pValue;
};
FigureTexts DescribeFigures(const PlayFigures& figures);

// Money units to the nearest cent, halves to even, in the currency format.
QString CentsText(long double units);

// The lines of `velloro-tool stats`, each a label and its value: Games,
// Paid, Won, Return To Player, Expected Return, Standard Deviation, Luck,
// Fairness Statistic, Degrees Of Freedom, P Value; Games alone when no game
// was played.
struct FigureLine {
    QString label;
    QString value;
};
std::vector<FigureLine> FigureLines(const PlayFigures& figures);

// One point of the net result: after this game, what the player is ahead or
// down, and what the tickets were expected to leave him, with the spread.
struct NetPoint {
    int gameNumber = 0;
    Money net = 0;                   // every win less every price so far
    long double expectedNet = 0.0L;  // every mean win less every price so far, Money units
    long double deviation = 0.0L;    // the standard deviation of the net so far
};
// One point per game, in play order; the line starts at 0 before the first.
std::vector<NetPoint> NetResult(const PlayHistory& play);

}  // namespace stats
