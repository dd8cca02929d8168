#include <gtest/gtest.h>

#include "core/odds/NumberPicture.h"

using odds::FormatNumber;
using odds::RoundToScaled;

namespace {

const QString kOneIn = QStringLiteral("#,##.0000");
const QString kPercent = QStringLiteral("##0.00000000000000000");
const QString kChance = QStringLiteral("##0.000000");

}  // namespace

TEST(NumberPicture, GroupsTheWholePartAndKeepsEveryDecimal) {
    EXPECT_EQ(FormatNumber(19520.0L / 19.0L, kOneIn), "1,027.3684");
    EXPECT_EQ(FormatNumber(4.0L, kOneIn), "4.0000");
    EXPECT_EQ(FormatNumber(1.0L / 0.75L, kOneIn), "1.3333");
    EXPECT_EQ(FormatNumber(999.0L, kOneIn), "999.0000");
    EXPECT_EQ(FormatNumber(1000.0L, kOneIn), "1,000.0000");
    EXPECT_EQ(FormatNumber(1234567.0L, kOneIn), "1,234,567.0000");
    EXPECT_EQ(FormatNumber(1234567.0L, kChance), "1234567.000000");
    // A "#" whole part shows nothing for zero; a "0" keeps one digit.
    EXPECT_EQ(FormatNumber(0.5L, kOneIn), ".5000");
    EXPECT_EQ(FormatNumber(0.5L, kChance), "0.500000");
}

TEST(NumberPicture, RoundsHalfAwayFromZeroOnTheExactValue) {
    // 0.125 and 2.5 are exact in binary, so these are true halves.
    EXPECT_EQ(FormatNumber(0.125L, QStringLiteral("0.00")), "0.13");
    EXPECT_EQ(FormatNumber(-0.125L, QStringLiteral("0.00")), "-0.13");
    EXPECT_EQ(FormatNumber(2.5L, QStringLiteral("0")), "3");
    EXPECT_EQ(FormatNumber(3.5L, QStringLiteral("0")), "4");
    // The double nearest 1.0005 lies just below the half: it must not round up.
    EXPECT_EQ(FormatNumber(static_cast<long double>(1.0005), QStringLiteral("0.000")), "1.000");
    EXPECT_EQ(FormatNumber(static_cast<long double>(1.0015), QStringLiteral("0.000")), "1.002");
    EXPECT_EQ(FormatNumber(9999.99995L, kOneIn), "10,000.0000");
    EXPECT_EQ(FormatNumber(-0.00001L, QStringLiteral("0.00")), "0.00");
}

TEST(NumberPicture, ShowsAtMostEighteenSignificantDigits) {
    // 25 less one unit in the last place: 17 decimals would show ...99999, 18
    // significant digits round it to 25.
    const long double justBelow = std::nextafter(25.0L, 0.0L);
    EXPECT_EQ(FormatNumber(justBelow, kPercent), "25.00000000000000000");
    EXPECT_EQ(FormatNumber(0.25L * 100.0L, kPercent), "25.00000000000000000");
    // Digits past the 18th of a large whole part show as zeros.
    EXPECT_EQ(FormatNumber(3535316142212174320.0L, kOneIn), "3,535,316,142,212,174,320.0000");
    EXPECT_EQ(FormatNumber(1234567890123456789.0L, kOneIn), "1,234,567,890,123,456,790.0000");
    // Small values keep 17 decimals.
    EXPECT_EQ(FormatNumber(0.0973360655737704918L, kPercent), "0.09733606557377049");
    EXPECT_EQ(FormatNumber(2.8e-17L, kPercent), "0.00000000000000003");
}

TEST(NumberPicture, OptionalDecimalsAndSeparators) {
    EXPECT_EQ(FormatNumber(1.5L, QStringLiteral("0.##")), "1.5");
    EXPECT_EQ(FormatNumber(2.0L, QStringLiteral("0.##")), "2");
    EXPECT_EQ(FormatNumber(1234.5L, kOneIn, {QLatin1Char('.'), QLatin1Char(',')}), "1.234,5000");
    EXPECT_EQ(FormatNumber(std::numeric_limits<long double>::infinity(), kOneIn), "INF");
    EXPECT_EQ(FormatNumber(std::numeric_limits<long double>::quiet_NaN(), kOneIn), "NAN");
}

TEST(NumberPicture, RoundToScaledGivesWholeCentsHalfAwayFromZero) {
    EXPECT_EQ(RoundToScaled(0.375L, 2, 15), 38);
    EXPECT_EQ(RoundToScaled(0.125L, 2, 15), 13);
    EXPECT_EQ(RoundToScaled(-0.125L, 2, 15), -13);
    EXPECT_EQ(RoundToScaled(1250.0L, 2, 15), 125000);
    EXPECT_EQ(RoundToScaled(1e30L, 2, 15), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(RoundToScaled(-1e30L, 2, 15), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(RoundToScaled(std::numeric_limits<long double>::quiet_NaN(), 2, 15), 0);
}
