#pragma once

#include "core/records/BallFrequency.h"

// Whether the recorded draws look fair. A game draws 20 different balls of
// 80, so each number comes up in a game with chance 1/4; over G games its
// count has mean G/4 and variance G (1/4)(3/4). The 80 counts are tied
// together (they always add up to 20 G), which the fairness statistic allows
// for with the factor 80/79.
namespace stats {

constexpr int kFairnessDegrees = 79;

struct Fairness {
    long double statistic = 0.0L;  // T = sum over the numbers of (o - G/4)^2 / (G c)
    long double pValue = 1.0L;     // its chi-square upper tail at 79 degrees of freedom
};

// T and its p value for the counts of balls 1..80 over `games` games
// (counter 0 is ignored); T is 0 and p 1 when no game was played.
Fairness FairnessOf(const frequency::BallCounts& counts, int games);

// What one number's count is expected to be over `games` games, and the
// band two standard deviations either side of it.
struct CountBand {
    long double expected = 0.0L;
    long double low = 0.0L;
    long double high = 0.0L;
};
CountBand CountBandOf(int games);

// A number drawn more often than the band allows is hot, less often cold.
enum class BallHeat { Usual, Hot, Cold };
BallHeat HeatOf(int count, const CountBand& band);

}  // namespace stats
