#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

// A money amount: a signed count of 1/10000 dollar ($1.00 = 10000).
// Products and sums go through long double (80-bit on x86-64) and come back
// rounded to the nearest unit, ties to even.
using Money = std::int64_t;

// An exact total of many amounts (counts of games times their wins), far
// beyond the range of Money.
__extension__ typedef __int128 MoneyTotal;

namespace money {

constexpr Money kOneDollar = 10000;
constexpr Money kCent = 100;

constexpr Money Dollars(std::int64_t whole) { return whole * kOneDollar; }

// Rounds an extended-precision count of units to Money, halves to even.
Money FromUnits(long double units);

// numerator / denominator rounded as FromUnits rounds (to the nearest whole
// number, halves to even), in integers so that a true half is seen as one.
// denominator must be above 0; results beyond Money saturate.
Money RoundedQuotient(MoneyTotal numerator, MoneyTotal denominator);

// count x amount, e.g. ways x price per way.
Money Times(std::int64_t count, Money amount);

// a + b and a - b held at the ends of the range: the balance is the
// player's money, and a damaged file or an absurd table must not wrap it round.
Money SaturatingAdd(Money a, Money b);
Money SaturatingSubtract(Money a, Money b);

// amount x table entry x 0.0001: a $1.00 payoff scaled to a price.
Money Scale(Money entry, Money price);

// Text of an amount in the currency format: "$1,250.00" (decimals 2) or
// "$50,000" (decimals 0), rounded half to even. Negative amounts get a leading minus.
QString Currency(Money amount, int decimals = 2);
// The same in `locale`'s symbol, separators and sign placement (the system's above).
QString Currency(Money amount, int decimals, const QLocale& locale);

}  // namespace money
