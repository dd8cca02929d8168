#include "core/stats/ChiSquare.h"

#include <cmath>
#include <limits>

namespace stats {

namespace {

constexpr int kMostTerms = 10000;
constexpr long double kPrecision = std::numeric_limits<long double>::epsilon();
constexpr long double kTiny = std::numeric_limits<long double>::min() / kPrecision;

// x^a e^-x / Gamma(a), the factor both expansions share.
long double prefactor(long double a, long double x) {
    return std::exp(a * std::log(x) - x - std::lgamma(a));
}

// P(a, x) = prefactor x sum of x^n / (a (a + 1) ... (a + n)).
long double lowerBySeries(long double a, long double x) {
    long double term = 1.0L / a;
    long double sum = term;
    for (int n = 1; n < kMostTerms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kPrecision) break;
    }
    return sum * prefactor(a, x);
}

// Q(a, x) by the continued fraction 1/(x + 1 - a - 1(1 - a)/(x + 3 - a - ...)),
// evaluated with Lentz's method.
long double upperByFraction(long double a, long double x) {
    long double b = x + 1.0L - a;
    long double c = 1.0L / kTiny;
    long double d = 1.0L / b;
    long double h = d;
    for (int i = 1; i < kMostTerms; ++i) {
        const long double an = -i * (i - a);
        b += 2.0L;
        d = an * d + b;
        if (std::fabs(d) < kTiny) d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny) c = kTiny;
        d = 1.0L / d;
        const long double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0L) < kPrecision) break;
    }
    return h * prefactor(a, x);
}

}  // namespace

long double UpperIncompleteGamma(long double a, long double x) {
    if (x <= 0.0L) return 1.0L;
    if (x < a + 1.0L) return 1.0L - lowerBySeries(a, x);
    return upperByFraction(a, x);
}

long double ChiSquareUpperTail(long double x, int degrees) {
    return UpperIncompleteGamma(degrees / 2.0L, x / 2.0L);
}

}  // namespace stats
