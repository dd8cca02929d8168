#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <cstdint>

#include "core/state/Money.h"

// Numeric pictures such as "#,##.0000" and "##0.00000000000000000": "0" is a
// digit always shown, "#" one shown only when significant, a "," in the integer
// part groups thousands, "." places the decimal point. Values are rounded half
// away from zero from their exact binary value, on at most 18 significant
// digits; digits past the 18th show as 0.
namespace odds {

struct NumberSeparators {
    QChar group = QLatin1Char(',');
    QChar decimal = QLatin1Char('.');
};

// The separators of the system locale; "," and "." where it has none (C/POSIX).
NumberSeparators SystemNumberSeparators();

// "1,027.3684" for 1027.36842105... and "#,##.0000". Infinities and NaN come
// out as "INF", "-INF" and "NAN".
QString FormatNumber(long double value, QStringView picture, NumberSeparators separators = {});

// value x 10^decimals rounded half away from zero on at most `significant`
// digits, as an integer; saturates at the int64 limits, 0 for NaN.
std::int64_t RoundToScaled(long double value, int decimals, int significant);

// value x 100 / whole with two decimals, halves to even, and "%": "68.20%".
// Empty when whole is 0 or below.
QString PercentageText(MoneyTotal value, MoneyTotal whole);

}  // namespace odds
