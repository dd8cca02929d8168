#pragma once

#include <QString>

#include "core/stats/PlayFigures.h"

// The Your Play window's words: what the pictures say, for a player.
namespace stats {

struct PlayWords {
    // "Your last 32 games under the payoffs of Casino Number 0", with the
    // damaged games left out; or that no game is recorded yet.
    QString heading;
    // "You have won back 31.06% of what you paid; this play is expected to
    // return 77.64%: luck -0.40, well within the usual."
    QString luck;
    // "The balls pass the fairness test: p = 0.83."
    QString fairness;
    // "Drawn more often than usual: 17, 42. Less often: 5."
    QString heat;
};

PlayWords DescribePlay(const PlayHistory& play, const PlayFigures& figures, int scheduleNumber);

// What luck of this many standard deviations is in words: "well within the
// usual", "luckier than usual", ...
QString LuckWords(long double luck);

// The pointer over a game of the net result: "Game #012: net -$5.00" and,
// below it, "expected -$3.10, usually -$11.50 to $5.30".
QString NetPointTip(const NetPoint& point);
// The pointer over a number's bar: "17 drawn 12 times: hot" and, below it,
// "8.0 expected, 3.1 to 12.9 usual".
QString BallTip(int number, int count, const CountBand& band);

}  // namespace stats
