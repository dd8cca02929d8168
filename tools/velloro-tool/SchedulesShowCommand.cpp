// velloro-tool schedules show: one payoff schedule with every table and the
// return to player of each paid ticket.
#include <QStringList>

#include "ToolCommand.h"
#include "core/odds/OddsBrowser.h"
#include "core/odds/OddsTable.h"
#include "core/records/ScheduleFile.h"
#include "core/schedules/ReturnToPlayer.h"
#include "core/ticket/KindTable.h"

namespace {

const QCommandLineOption kFile{"file", "The payoff schedules file (cpos.vlr).", "FILE"};
const QCommandLineOption kNumber{"number", "The schedule to show, 0 to 99 (0).", "N"};

void Declare(QCommandLineParser& parser) { parser.addOptions({kFile, kNumber}); }

QString Entries(std::span<const Money> row) {
    QStringList texts;
    for (Money entry : row) texts << (entry == 0 ? QStringLiteral("-") : money::currency(entry));
    return texts.join(QLatin1Char(' '));
}

QString Spots(int spots) {
    return spots == 1 ? QStringLiteral("1 spot") : QStringLiteral("%1 spots").arg(spots);
}

template <typename Table>
void PrintTable(const QString& title, const Table& table, int firstSpots) {
    tool::printLine(title);
    for (std::size_t r = 0; r < table.size(); ++r)
        tool::printLine(QStringLiteral("  ") + Spots(firstSpots + static_cast<int>(r)) +
                        QLatin1Char('\t') + Entries(table[r]));
}

void PrintLine(const QString& title, std::span<const Money> row) {
    tool::printLine(title);
    tool::printLine(QStringLiteral("  ") + Entries(row));
}

int Run(const QCommandLineParser& parser) {
    const int number = tool::intValue(parser, kNumber, 0, OddsBrowser::kLastSchedule, 0);
    const PayoffSchedule schedule =
        readSchedule(tool::fileValue(parser, kFile, "cpos.vlr"), number);
    const PayoffTables& t = schedule.Tables;

    tool::printLine(QStringLiteral("Schedule %1").arg(schedule.ScheduleNumber));
    tool::printLine(QStringLiteral("Aggregate limit ") +
                    money::currency(schedule.AggregateLimit, 0));
    PrintTable(QStringLiteral("Regular, by catches 0 to 20"), t.RegularPayoffs, 1);
    PrintTable(QStringLiteral("All Catches, by catches 0 to 10"), t.AllCatchesPayoffs, 7);
    PrintTable(QStringLiteral("All Or Nothing, none caught then all caught"), t.AllOrNothingPayoffs,
               4);
    PrintLine(QStringLiteral("Bet Against, by spots 0 to 15"), t.BetAgainstPayoffs);
    PrintLine(QStringLiteral("Catch All, by spots 0 to 7"), t.CatchAllPayoffs);
    PrintLine(QStringLiteral("Forty, by balls among the 40 from 0 to 20"), t.FortyPayoffs);
    PrintLine(QStringLiteral("Forty Forty, by balls in the first half from 0 to 20"),
              t.FortyFortyPayoffs);
    PrintTable(QStringLiteral("Last Ball Drawn, by catches 0 to 7 (spots + 1: all caught, the "
                              "last ball among them)"),
               t.LastBallPayoffs, 1);
    PrintTable(QStringLiteral("Super Special, by catches 0 to 10"), t.SuperSpecialPayoffs, 3);
    PrintLine(QStringLiteral("Thirty-Two Spot, by balls among the 32 from 0 to 20"),
              t.ThirtyTwoSpotPayoffs);

    tool::printLine(QStringLiteral("Return to player of a $1.00 ticket"));
    for (const PaidTicket& ticket : PaidTickets()) {
        const double percent =
            static_cast<double>(ReturnToPlayer(t, ticket.kind, ticket.spots) * 100);
        QString name = kinds::KindName(ticket.kind);
        if (!odds::SpotRangeOf(ticket.kind).fixed) name += QLatin1Char(' ') + Spots(ticket.spots);
        tool::printLine(QStringLiteral("  %1\t%2%").arg(name).arg(percent, 0, 'f', 2));
    }
    return 0;
}

const ToolCommandRegistration registration{
    {"schedules show", "[options]",
     "One payoff schedule: every table and the return to player of each ticket.", Declare, Run}};

}  // namespace
