#include "core/odds/OddsMath.h"

namespace odds {

long double Factorial(int n) {
    long double product = 1.0L;
    for (int i = 2; i <= n; ++i) product *= static_cast<long double>(i);
    return product;
}

long double Combinations(int a, int b) {
    const long double denominator = Factorial(b) * Factorial(a - b);
    return Factorial(a) / denominator;
}

long double DrawCombinations() {
    static const long double kDraws = Combinations(80, 20);
    return kDraws;
}

long double CatchProbability(int n, int c) {
    const long double ways = Combinations(n, c) * Combinations(80 - n, 20 - c);
    return ways / DrawCombinations();
}

}  // namespace odds
