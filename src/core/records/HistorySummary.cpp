#include "core/records/HistorySummary.h"

#include <QStringList>

#include "core/state/GameState.h"

QString HistorySummaryLine(int gameNumber, const GameRecord& game) {
    const QString number = GameNumberText(gameNumber) + QLatin1Char('\t');
    if (!game.played()) return number + QStringLiteral("not played");
    QStringList parts;
    parts << QStringLiteral("won ") + money::Currency(game.GameWin);
    QString kind = QStringLiteral("kind %1").arg(game.TicketKind);
    if (!game.KindCode.isEmpty()) kind += QLatin1Char(' ') + game.KindCode;
    parts << kind;
    parts << QStringLiteral("%1 spots").arg(game.PayoffSpots);
    if (game.Ways != 1) parts << QStringLiteral("%1 ways").arg(game.Ways);
    parts << money::Currency(game.PricePerWay) + QStringLiteral(" per way");
    QStringList balls;
    for (std::uint8_t ball : game.Drawn) balls << QString::number(ball);
    parts << QStringLiteral("balls ") + balls.join(QLatin1Char(' '));
    return number + parts.join(QStringLiteral(", "));
}
