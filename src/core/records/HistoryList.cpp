#include "core/records/HistoryList.h"

#include <algorithm>
#include <cstdint>

namespace history {

namespace {

// Leading spaces by the size of the win.
int LeadingSpaces(Money gameWin) {
    if (gameWin < money::dollars(10)) return 11;
    if (gameWin < money::dollars(100)) return 9;
    if (gameWin < money::dollars(1000)) return 7;
    if (gameWin < money::dollars(10000)) return 4;
    if (gameWin < money::dollars(100000)) return 2;
    return 0;
}

QStringView AfterFirstTab(const QString& line) {
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QStringView() : QStringView(line).mid(tab + 1);
}

// Character codes: the space before "$", the digits in their numeric order.
int CompareText(QStringView s1, QStringView s2) { return s1.compare(s2, Qt::CaseSensitive); }

// The amount a winnings text shows, in cents: its digits read as one number,
// so neither the padding, the currency symbol nor the group separators count.
// A win of $1,000,000.00 is then above $100,000.00, and $9.9999 (shown as
// $10.00) equals $10.00 whatever its padding.
std::int64_t ShownCents(QStringView winnings) {
    std::int64_t cents = 0;
    bool negative = false;
    for (const QChar c : winnings) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            cents = cents * 10 + (c.unicode() - u'0');
        else if (c == QLatin1Char('-') || c == QChar(0x2212))
            negative = true;  // only a damaged record holds a loss
    }
    return negative ? -cents : cents;
}

int CompareAmounts(QStringView s1, QStringView s2) {
    const std::int64_t a = ShownCents(s1), b = ShownCents(s2);
    return a < b ? -1 : (a > b ? 1 : 0);
}

}  // namespace

QString WinningsText(Money gameWin) {
    return QString(LeadingSpaces(gameWin), QLatin1Char(' ')) + money::currency(gameWin);
}

QString HistoryLine(int gameNumber, Money gameWin) {
    return QStringLiteral("%1\t").arg(gameNumber, 3, 10, QLatin1Char('0')) + WinningsText(gameWin);
}

QStringList HistoryLines(const std::vector<GameRecord>& games) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(games.size()));
    for (std::size_t slot = 0; slot < games.size(); ++slot)
        lines << HistoryLine(static_cast<int>(slot), games[slot].GameWin);
    return lines;
}

int GameOfLine(const QString& line) {
    bool ok = false;
    const int game = QStringView(line).left(3).toInt(&ok);
    return ok && line.size() >= 3 && game >= 0 && game < kHistorySlots ? game : -1;
}

int OpeningTopLine(int lastGame) { return std::clamp(lastGame, 0, 990); }

int CompareLines(HistoryOrder order, const QString& s1, const QString& s2) {
    switch (order) {
        case HistoryOrder::GameAscending:
            return CompareText(s1, s2);
        case HistoryOrder::GameDescending:
            return CompareText(s2, s1);
        case HistoryOrder::WinningsAscending:
            return CompareAmounts(AfterFirstTab(s1), AfterFirstTab(s2));
        case HistoryOrder::WinningsDescending:
            return CompareAmounts(AfterFirstTab(s2), AfterFirstTab(s1));
    }
    return 0;
}

QStringList Resorted(const QStringList& lines, HistoryOrder order) {
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const QString& line : lines) {
        qsizetype low = 0;
        qsizetype high = sorted.size() - 1;
        while (low <= high) {
            const qsizetype mid = (low + high) / 2;
            if (CompareLines(order, sorted[mid], line) < 0)
                low = mid + 1;
            else
                high = mid - 1;
        }
        sorted.insert(low, line);
    }
    return sorted;
}

}  // namespace history
