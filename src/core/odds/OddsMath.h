#pragma once

// Catch probabilities of the 20-ball draw from 80, in extended precision,
// with the order of operations the odds tables are defined by.
namespace odds {

long double Factorial(int n);                // 1 for n < 2
long double Combinations(int a, int b);      // a! / (b! (a-b)!)
long double DrawCombinations();              // C(80, 20)
long double CatchProbability(int n, int c);  // exactly c of n marked numbers drawn

}  // namespace odds
