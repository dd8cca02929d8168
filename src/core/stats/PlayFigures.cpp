#include "core/stats/PlayFigures.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/odds/NumberPicture.h"

namespace stats {

namespace {

QString numberText(long double value, QStringView picture) {
    return odds::FormatNumber(value, picture, odds::SystemNumberSeparators());
}

// "+0.31", "-0.24", "0.00".
QString signedText(long double value) {
    const QString text = numberText(value, u"##0.00");
    if (value > 0.0L && odds::RoundToScaled(value, 2, 18) != 0) return QLatin1Char('+') + text;
    return text;
}

}  // namespace

QString CentsText(long double units) {
    constexpr Money kMostCents = std::numeric_limits<Money>::max() / money::kCent;
    const Money cents = std::clamp(money::FromUnits(units / money::kCent), -kMostCents, kMostCents);
    return money::Currency(cents * money::kCent);
}

PlayFigures FiguresOf(const PlayHistory& play) {
    PlayFigures figures;
    long double variance = 0.0L;
    for (const PlayedGame& game : play.games) {
        ++figures.games;
        figures.paid = money::SaturatingAdd(figures.paid, game.price);
        figures.won = money::SaturatingAdd(figures.won, game.win);
        figures.expectedReturn += game.worth.mean;
        variance += game.worth.variance;
    }
    figures.deviation = std::sqrt(variance);
    if (figures.deviation > 0.0L)
        figures.luck = (figures.won - figures.expectedReturn) / figures.deviation;
    figures.fairness = FairnessOf(play.balls, figures.games);
    return figures;
}

FigureTexts DescribeFigures(const PlayFigures& figures) {
    FigureTexts texts;
    texts.games = QString::number(figures.games);
    texts.paid = money::Currency(figures.paid);
    texts.won = money::Currency(figures.won);
    texts.returnToPlayer = odds::PercentageText(figures.won, figures.paid);
    texts.expectedReturn = CentsText(figures.expectedReturn);
    texts.expectedReturnToPlayer = odds::PercentageText(
        static_cast<MoneyTotal>(std::llround(figures.expectedReturn)), figures.paid);
    texts.deviation = CentsText(figures.deviation);
    texts.luck = figures.luck ? signedText(*figures.luck) : QStringLiteral("n/a");
    texts.fairnessStatistic = numberText(figures.fairness.statistic, u"##0.00");
    texts.degreesOfFreedom = QString::number(kFairnessDegrees);
    texts.pValue = numberText(figures.fairness.pValue, u"0.0000");
    return texts;
}

std::vector<FigureLine> FigureLines(const PlayFigures& figures) {
    const FigureTexts texts = DescribeFigures(figures);
    if (figures.games == 0) return {{QStringLiteral("Games"), texts.games}};
    return {{QStringLiteral("Games"), texts.games},
            {QStringLiteral("Paid"), texts.paid},
            {QStringLiteral("Won"), texts.won},
            {QStringLiteral("Return To Player"), texts.returnToPlayer},
            {QStringLiteral("Expected Return"), texts.expectedReturn},
            {QStringLiteral("Standard Deviation"), texts.deviation},
            {QStringLiteral("Luck"), texts.luck},
            {QStringLiteral("Fairness Statistic"), texts.fairnessStatistic},
            {QStringLiteral("Degrees Of Freedom"), texts.degreesOfFreedom},
            {QStringLiteral("P Value"), texts.pValue}};
}

std::vector<NetPoint> NetResult(const PlayHistory& play) {
    std::vector<NetPoint> points;
    points.reserve(play.games.size());
    Money net = 0;
    long double expectedNet = 0.0L;
    long double variance = 0.0L;
    for (const PlayedGame& game : play.games) {
        net = money::SaturatingSubtract(money::SaturatingAdd(net, game.win), game.price);
        expectedNet += game.worth.mean - game.price;
        variance += game.worth.variance;
        points.push_back({game.gameNumber, net, expectedNet, std::sqrt(variance)});
    }
    return points;
}

}  // namespace stats
