#include "core/stats/PlayWords.h"

#include <QStringList>
#include <cmath>

#include "core/odds/NumberPicture.h"
#include "core/replay/ReplayText.h"
#include "core/state/Board.h"

namespace stats {

namespace {

QString number(long double value, QStringView picture) {
    return odds::FormatNumber(value, picture, odds::SystemNumberSeparators());
}

QString plural(qsizetype count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString numbersOf(const PlayHistory& play, BallHeat heat, const CountBand& band) {
    QStringList numbers;
    for (int ball = 1; ball <= board::kNumbers; ++ball)
        if (HeatOf(play.balls[static_cast<std::size_t>(ball)], band) == heat)
            numbers << QString::number(ball);
    return numbers.join(QStringLiteral(", "));
}

QString heading(const PlayHistory& play, int games, int scheduleNumber) {
    QString text =
        games == 0   ? QStringLiteral("No game is recorded yet: the pictures fill in as you play")
        : games == 1 ? QStringLiteral("Your last game under the payoffs of Casino Number %1")
                           .arg(scheduleNumber)
                     : QStringLiteral("Your last %1 games under the payoffs of Casino Number %2")
                           .arg(games)
                           .arg(scheduleNumber);
    if (!play.damaged.empty())
        text += QStringLiteral(" (%1 left out)")
                    .arg(plural(static_cast<qsizetype>(play.damaged.size()), "damaged game",
                                "damaged games"));
    return text + QLatin1Char('.');
}

QString fairness(const Fairness& fairness) {
    const long double p = fairness.pValue;
    if (p >= 0.01L)
        return QStringLiteral("The balls pass the fairness test: p = %1.").arg(number(p, u"0.00"));
    const QString shown =
        p < 0.0001L ? QStringLiteral("below 0.0001") : QStringLiteral("= ") + number(p, u"0.0000");
    return QStringLiteral(
               "The balls look uneven: p %1. A fair draw comes out this uneven less "
               "than once in a hundred histories.")
        .arg(shown);
}

}  // namespace

QString LuckWords(long double luck) {
    const long double size = std::fabs(luck);
    if (size < 1.0L) return QStringLiteral("well within the usual");
    if (size < 2.0L) return QStringLiteral("within the usual");
    if (size < 3.0L)
        return luck > 0 ? QStringLiteral("luckier than usual")
                        : QStringLiteral("unluckier than usual");
    return luck > 0 ? QStringLiteral("far luckier than usual")
                    : QStringLiteral("far unluckier than usual");
}

PlayWords DescribePlay(const PlayHistory& play, const PlayFigures& figures, int scheduleNumber) {
    PlayWords words;
    words.heading = heading(play, figures.games, scheduleNumber);
    if (figures.games == 0) return words;
    const FigureTexts texts = DescribeFigures(figures);
    words.luck = QStringLiteral(
                     "You have won back %1 of what you paid; this play is expected to "
                     "return %2")
                     .arg(texts.returnToPlayer, texts.expectedReturnToPlayer);
    if (figures.luck)
        words.luck += QStringLiteral(": luck %1, %2").arg(texts.luck, LuckWords(*figures.luck));
    words.luck += QLatin1Char('.');
    words.fairness = fairness(figures.fairness);

    const CountBand band = CountBandOf(figures.games);
    const QString hot = numbersOf(play, BallHeat::Hot, band);
    const QString cold = numbersOf(play, BallHeat::Cold, band);
    if (hot.isEmpty() && cold.isEmpty())
        words.heat = QStringLiteral("No number came up more or less often than usual.");
    else
        words.heat = QStringLiteral("More often than usual: %1. Less often: %2.")
                         .arg(hot.isEmpty() ? QStringLiteral("none") : hot,
                              cold.isEmpty() ? QStringLiteral("none") : cold);
    return words;
}

QString NetPointTip(const NetPoint& point) {
    return replay::Caption(point.gameNumber) + QStringLiteral(": net ") +
           money::Currency(point.net) +
           QStringLiteral("\nexpected %1, usually %2 to %3")
               .arg(CentsText(point.expectedNet),
                    CentsText(point.expectedNet - 2 * point.deviation),
                    CentsText(point.expectedNet + 2 * point.deviation));
}

QString BallTip(int ball, int count, const CountBand& band) {
    QString text = QStringLiteral("%1 drawn %2").arg(ball).arg(plural(count, "time", "times"));
    switch (HeatOf(count, band)) {
        case BallHeat::Hot:
            text += QStringLiteral(": hot");
            break;
        case BallHeat::Cold:
            text += QStringLiteral(": cold");
            break;
        case BallHeat::Usual:
            break;
    }
    return text + QStringLiteral("\n%1 expected, %2 to %3 usual")
                      .arg(number(band.expected, u"0.0"), number(std::max(band.low, 0.0L), u"0.0"),
                           number(band.high, u"0.0"));
}

}  // namespace stats
