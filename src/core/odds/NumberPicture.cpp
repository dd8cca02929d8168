#include "core/odds/NumberPicture.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace odds {

namespace {

constexpr int kMaxSignificant = 18;
constexpr std::uint32_t kLimbBase = 1000000000;  // nine decimal digits per limb

// A non-negative integer in base 10^9, least significant limb first.
class BigDecimal {
  public:
    explicit BigDecimal(std::uint64_t value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % kLimbBase));
            value /= kLimbBase;
        } while (value != 0);
    }

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(product % kLimbBase);
            carry = product / kLimbBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
            carry /= kLimbBase;
        }
    }

    // Multiplies by base^exponent in steps whose factor still fits the limb arithmetic.
    void multiplyByPower(std::uint32_t base, int exponent, int stepExponent) {
        std::uint32_t step = 1;
        for (int i = 0; i < stepExponent; ++i) step *= base;
        for (; exponent >= stepExponent; exponent -= stepExponent) multiply(step);
        std::uint32_t rest = 1;
        for (int i = 0; i < exponent; ++i) rest *= base;
        if (rest != 1) multiply(rest);
    }

    std::string digits() const {
        std::string text = std::to_string(limbs_.back());
        for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
            const std::string part = std::to_string(*it);
            text.append(9 - part.size(), '0');
            text += part;
        }
        return text;
    }

  private:
    std::vector<std::uint32_t> limbs_;
};

// A finite value rounded to a number of decimals: its digits without the sign.
struct RoundedDigits {
    bool negative = false;
    std::string whole;     // at least one digit, may have leading zeros
    std::string fraction;  // exactly the requested decimals
};

// The exact decimal expansion of a finite long double: every binary fraction
// has a finite one. Returns the digits and how many of them follow the point.
std::pair<std::string, int> ExactDigits(long double magnitude) {
    if (magnitude == 0.0L) return {"0", 0};
    int exponent = 0;
    const long double fraction = std::frexp(magnitude, &exponent);  // [0.5, 1)
    auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    int shift = exponent - 64;
    while ((significand & 1U) == 0) {
        significand >>= 1;
        ++shift;
    }
    BigDecimal number(significand);
    if (shift >= 0) {
        number.multiplyByPower(2, shift, 29);
        return {number.digits(), 0};
    }
    // m x 2^-k = m x 5^k / 10^k
    number.multiplyByPower(5, -shift, 13);
    return {number.digits(), -shift};
}

RoundedDigits Round(long double value, int decimals, int significant) {
    RoundedDigits result;
    result.negative = std::signbit(value);
    auto [digits, fractionDigits] = ExactDigits(std::fabs(value));
    // Pad so there is at least one integer digit and every wanted decimal exists.
    int wholeLength = static_cast<int>(digits.size()) - fractionDigits;
    if (wholeLength < 1) {
        digits.insert(0, static_cast<std::size_t>(1 - wholeLength), '0');
        wholeLength = 1;
    }
    const int available = static_cast<int>(digits.size()) - wholeLength;
    if (available < decimals) digits.append(static_cast<std::size_t>(decimals - available), '0');

    int keep = wholeLength + decimals;
    const auto firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant != std::string::npos &&
        keep - static_cast<int>(firstSignificant) > significant) {
        keep = static_cast<int>(firstSignificant) + significant;
    }
    if (keep < static_cast<int>(digits.size()) && digits[static_cast<std::size_t>(keep)] >= '5') {
        int at = keep - 1;
        while (at >= 0 && digits[static_cast<std::size_t>(at)] == '9') {
            digits[static_cast<std::size_t>(at)] = '0';
            --at;
        }
        if (at >= 0) {
            ++digits[static_cast<std::size_t>(at)];
        } else {
            digits.insert(0, 1, '1');
            ++wholeLength;
            ++keep;
        }
    }
    for (auto i = static_cast<std::size_t>(std::max(keep, 0)); i < digits.size(); ++i)
        digits[i] = '0';
    result.whole = digits.substr(0, static_cast<std::size_t>(wholeLength));
    result.fraction =
        digits.substr(static_cast<std::size_t>(wholeLength), static_cast<std::size_t>(decimals));
    return result;
}

struct Picture {
    int minimumWholeDigits = 0;
    bool grouped = false;
    int requiredDecimals = 0;
    int optionalDecimals = 0;
};

Picture ParsePicture(QStringView text) {
    Picture picture;
    bool inFraction = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('.')) {
            inFraction = true;
        } else if (!inFraction) {
            if (c == QLatin1Char('0')) ++picture.minimumWholeDigits;
            if (c == QLatin1Char(',')) picture.grouped = true;
        } else if (c == QLatin1Char('0')) {
            // a "0" after a "#" still forces every digit before it
            picture.requiredDecimals += picture.optionalDecimals + 1;
            picture.optionalDecimals = 0;
        } else if (c == QLatin1Char('#')) {
            ++picture.optionalDecimals;
        }
    }
    return picture;
}

}  // namespace

NumberSeparators SystemNumberSeparators() {
    const QLocale locale = QLocale::system();
    NumberSeparators separators;
    if (locale.language() == QLocale::C) return separators;
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    if (group.size() == 1) separators.group = group.front();
    if (decimal.size() == 1) separators.decimal = decimal.front();
    return separators;
}

QString FormatNumber(long double value, QStringView pictureText, NumberSeparators separators) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    const Picture picture = ParsePicture(pictureText);
    const int decimals = picture.requiredDecimals + picture.optionalDecimals;
    RoundedDigits rounded = Round(value, decimals, kMaxSignificant);

    std::string whole = rounded.whole;
    const auto firstNonZero = whole.find_first_not_of('0');
    whole.erase(0, std::min(firstNonZero, whole.size()));
    if (static_cast<int>(whole.size()) < picture.minimumWholeDigits) {
        whole.insert(0, static_cast<std::size_t>(picture.minimumWholeDigits) - whole.size(), '0');
    }
    std::string fraction = rounded.fraction;
    while (static_cast<int>(fraction.size()) > picture.requiredDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }

    QString text;
    const bool isZero = whole.find_first_not_of('0') == std::string::npos &&
                        fraction.find_first_not_of('0') == std::string::npos;
    if (rounded.negative && !isZero) text += QLatin1Char('-');
    const auto wholeSize = static_cast<int>(whole.size());
    for (int i = 0; i < wholeSize; ++i) {
        if (picture.grouped && i > 0 && (wholeSize - i) % 3 == 0) text += separators.group;
        text += QLatin1Char(whole[static_cast<std::size_t>(i)]);
    }
    if (!fraction.empty()) {
        text += separators.decimal;
        text += QLatin1String(fraction.data(), static_cast<qsizetype>(fraction.size()));
    }
    return text;
}

std::int64_t RoundToScaled(long double value, int decimals, int significant) {
    if (std::isnan(value)) return 0;
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    // Anything this large saturates anyway; spare the digit arithmetic.
    if (std::isinf(value) || std::fabs(value) >= 1e19L) return value < 0 ? kMin : kMax;
    const RoundedDigits rounded = Round(value, std::max(decimals, 0), std::max(significant, 1));
    const std::string digits = rounded.whole + rounded.fraction;
    const auto limit = static_cast<std::uint64_t>(kMax) + (rounded.negative ? 1U : 0U);
    std::uint64_t magnitude = 0;
    for (const char c : digits) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (magnitude > (limit - digit) / 10) return rounded.negative ? kMin : kMax;
        magnitude = magnitude * 10 + digit;
    }
    if (!rounded.negative) return static_cast<std::int64_t>(magnitude);
    return magnitude == limit ? kMin : -static_cast<std::int64_t>(magnitude);
}

QString PercentageText(MoneyTotal value, MoneyTotal whole) {
    if (whole <= 0) return {};
    MoneyTotal hundredths = 0;
    long double shown = 0.0L;
    if (!__builtin_mul_overflow(value, MoneyTotal{10000}, &hundredths)) {
        shown = static_cast<long double>(money::RoundedQuotient(hundredths, whole)) / 100.0L;
    } else {
        // Only absurd totals get here; the error is still far below a hundredth.
        shown = static_cast<long double>(value) * 100.0L / static_cast<long double>(whole);
    }
    return FormatNumber(shown, u"##0.00", SystemNumberSeparators()) + QLatin1Char('%');
}

}  // namespace odds
