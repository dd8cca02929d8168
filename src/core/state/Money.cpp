#include "core/state/Money.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace money {

Money FromUnits(long double units) {
    // nearbyint rounds with the current mode; the program never changes it
    // from round-to-nearest-even.
    const long double rounded = std::nearbyint(units);
    constexpr long double kMax = static_cast<long double>(std::numeric_limits<Money>::max());
    constexpr long double kMin = static_cast<long double>(std::numeric_limits<Money>::min());
    if (!(rounded == rounded)) return 0;  // NaN
    if (rounded >= kMax) return std::numeric_limits<Money>::max();
    if (rounded <= kMin) return std::numeric_limits<Money>::min();
    return static_cast<Money>(rounded);
}

Money RoundedQuotient(MoneyTotal numerator, MoneyTotal denominator) {
    MoneyTotal quotient = numerator / denominator;  // truncated toward zero
    const MoneyTotal remainder = numerator % denominator;
    const MoneyTotal twice = remainder < 0 ? -2 * remainder : 2 * remainder;
    const MoneyTotal away = numerator < 0 ? -1 : 1;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) quotient += away;
    constexpr MoneyTotal kMax = std::numeric_limits<Money>::max();
    constexpr MoneyTotal kMin = std::numeric_limits<Money>::min();
    return static_cast<Money>(std::clamp(quotient, kMin, kMax));
}

Money Times(std::int64_t count, Money amount) {
    return FromUnits(static_cast<long double>(count) * static_cast<long double>(amount));
}

Money SaturatingAdd(Money a, Money b) {
    Money sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<Money>::max() : std::numeric_limits<Money>::min();
}

Money SaturatingSubtract(Money a, Money b) {
    Money difference = 0;
    if (!__builtin_sub_overflow(a, b, &difference)) return difference;
    return b < 0 ? std::numeric_limits<Money>::max() : std::numeric_limits<Money>::min();
}

Money Scale(Money entry, Money price) {
    return FromUnits(static_cast<long double>(entry) * static_cast<long double>(price) * 0.0001L);
}

namespace {

QString groupedDigits(std::uint64_t whole, const QString& separator) {
    QString digits = QString::number(whole);
    QString out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

}  // namespace

QString Currency(Money amount, int decimals) {
    return Currency(amount, decimals, QLocale::system());
}

QString Currency(Money amount, int decimals, const QLocale& locale) {
    const int shownDecimals = decimals == 0 ? 0 : 2;
    // The hidden digits are rounded here, half to even as the money arithmetic
    // does, so no locale changes a figure.
    const bool negative = amount < 0;
    const std::uint64_t magnitude = negative ? static_cast<std::uint64_t>(-(amount + 1)) + 1
                                             : static_cast<std::uint64_t>(amount);
    const std::uint64_t unitsPerShown = shownDecimals == 2 ? 100 : 10000;
    std::uint64_t shown = magnitude / unitsPerShown;
    const std::uint64_t rest = magnitude % unitsPerShown;
    if (rest * 2 > unitsPerShown || (rest * 2 == unitsPerShown && shown % 2 == 1)) ++shown;

    // The C/POSIX locale has no currency: dollars with "," and ".".
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    const bool plain = symbol.isEmpty() || locale.language() == QLocale::C;
    QString number = groupedDigits(shownDecimals == 2 ? shown / 100 : shown,
                                   plain ? QStringLiteral(",") : locale.groupSeparator());
    if (shownDecimals == 2) {
        number += plain ? QStringLiteral(".") : locale.decimalPoint();
        number += QStringLiteral("%1").arg(shown % 100, 2, 10, QLatin1Char('0'));
    }
    if (plain) return (negative ? QStringLiteral("-$") : QStringLiteral("$")) + number;

    // The locale gives only where the symbol and the sign stand around the number.
    QString text = locale.toCurrencyString(negative ? -1.0 : 1.0, symbol, shownDecimals);
    const QString probe = locale.toString(1.0, 'f', shownDecimals);
    const auto at = text.indexOf(probe);
    if (at < 0) return (negative ? QStringLiteral("-") : QString()) + symbol + number;
    return text.replace(at, probe.size(), number);
}

}  // namespace money
