#include "core/stats/DrawFairness.h"

#include <cmath>

#include "core/state/Board.h"
#include "core/stats/ChiSquare.h"

namespace stats {

namespace {

constexpr long double kChance = static_cast<long double>(board::kBallsPerGame) / board::kNumbers;

}  // namespace

Fairness FairnessOf(const frequency::BallCounts& counts, int games) {
    Fairness fairness;
    if (games <= 0) return fairness;
    const long double expected = games * kChance;
    // The variance of one number's indicator in a game, scaled for the 80
    // counts being tied to a fixed total.
    const long double c = kChance * (1.0L - kChance) * board::kNumbers / (board::kNumbers - 1);
    long double squares = 0.0L;
    for (int ball = 1; ball <= board::kNumbers; ++ball) {
        const long double off = counts[static_cast<std::size_t>(ball)] - expected;
        squares += off * off;
    }
    fairness.statistic = squares / (games * c);
    fairness.pValue = ChiSquareUpperTail(fairness.statistic, kFairnessDegrees);
    return fairness;
}

CountBand CountBandOf(int games) {
    const long double expected = games * kChance;
    const long double spread = 2.0L * std::sqrt(games * kChance * (1.0L - kChance));
    return {expected, expected - spread, expected + spread};
}

BallHeat HeatOf(int count, const CountBand& band) {
    if (count > band.high) return BallHeat::Hot;
    if (count < band.low) return BallHeat::Cold;
    return BallHeat::Usual;
}

}  // namespace stats
