#include "core/state/GameState.h"

#include <algorithm>

#include "core/state/Palette.h"

QString BalanceCaption(Money balance) {
    if (balance >= 0) return QStringLiteral("&You're Ahead ") + money::Currency(balance);
    // The lowest balance has no positive counterpart; its text is the same to the cent.
    const Money shortfall = money::SaturatingSubtract(0, balance);
    return QStringLiteral("&You're Down ") + money::Currency(shortfall);
}

QString GameNumberText(std::int32_t gameNumber) {
    return QStringLiteral("%1").arg(std::max(gameNumber, 0), 3, 10, QLatin1Char('0'));
}

void ResetSessionSettings(SessionSettings& settings) { settings = SessionSettings{}; }

std::uint8_t PayoffSpotsOf(const TicketState& ticket) {
    return ticket.SpotsPerSet > 0 ? ticket.SpotsPerSet : ticket.SpotsMarked;
}
