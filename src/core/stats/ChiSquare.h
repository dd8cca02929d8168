#pragma once

// The upper tail of the chi-square distribution, for the fairness test of the
// draw: how likely a fair draw gives a statistic at least this large.
namespace stats {

// Q(a, x), the regularised upper incomplete gamma function, for a > 0 and
// x >= 0: a series below a + 1, a continued fraction above.
long double UpperIncompleteGamma(long double a, long double x);

// P(X >= x) for X chi-square with `degrees` degrees of freedom (1 for x <= 0).
long double ChiSquareUpperTail(long double x, int degrees);

}  // namespace stats
