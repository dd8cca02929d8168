// velloro-tool schedules show: one payoff schedule with every table and the
// return to player of each paid ticket.
#include <QStringList>

#include "ToolCommand.h"
#include "core/odds/OddsBrowser.h"
#include "core/odds/OddsTable.h"
#include "core/records/ScheduleFile.h"
#include "core/schedules/ReturnToPlayer.h"
#include "core/ticket/BetControls.h"
#include "core/ticket/KindTable.h"

namespace {

const QCommandLineOption kFile{"file", "The payoff schedules file (cpos.vlr).", "FILE"};
const QCommandLineOption kNumber{"number", "The schedule to show, 0 to 99 (0).", "N"};

void Declare(QCommandLineParser& parser) { parser.addOptions({kFile, kNumber}); }

QString Entries(std::span<const Money> row) {
    QStringList texts;
    for (Money entry : row) texts << (entry == 0 ? QStringLiteral("-") : money::Currency(entry));
    return texts.join(QLatin1Char(' '));
}

// A table under its title: a table of one row on one line, any other a line
// per spot count from its kind's first.
void PrintTable(const PayoffTables& tables, PayoffTable table) {
    const kinds::KindPayoff& owner = kinds::TableOwner(table);
    tool::PrintLine(QLatin1String(owner.tableTitle));
    const std::size_t rows = TableRowCount(table);
    for (std::size_t r = 0; r < rows; ++r) {
        const QString entries = Entries(TableRow(tables, table, r));
        if (rows == 1)
            tool::PrintLine(QStringLiteral("  ") + entries);
        else
            tool::PrintLine(QStringLiteral("  ") +
                            bet::SpotsWords(owner.spots.low + static_cast<int>(r)) +
                            QLatin1Char('\t') + entries);
    }
}

int Run(const QCommandLineParser& parser) {
    const int number = tool::IntValue(parser, kNumber, 0, OddsBrowser::kLastSchedule, 0);
    const PayoffSchedule schedule =
        ReadSchedule(tool::FileValue(parser, kFile, kSchedulesFile), number);
    const PayoffTables& t = schedule.Tables;

    tool::PrintLine(QStringLiteral("Schedule %1").arg(schedule.ScheduleNumber));
    tool::PrintLine(QStringLiteral("Aggregate limit ") +
                    money::Currency(schedule.AggregateLimit, 0));
    ForEachPayoffTable(t, [&t](PayoffTable table, const auto&) { PrintTable(t, table); });

    tool::PrintLine(QStringLiteral("Return to player of a $1.00 ticket"));
    for (const PaidTicket& ticket : PaidTickets()) {
        const double percent =
            static_cast<double>(ReturnToPlayer(t, ticket.kind, ticket.spots) * 100);
        QString name = kinds::KindName(ticket.kind);
        if (!odds::SpotRangeOf(ticket.kind).fixed)
            name += QLatin1Char(' ') + bet::SpotsWords(ticket.spots);
        tool::PrintLine(QStringLiteral("  %1\t%2%").arg(name).arg(percent, 0, 'f', 2));
    }
    return 0;
}

const ToolCommandRegistration registration{
    {"schedules show", "[options]",
     "One payoff schedule: every table and the return to player of each ticket.", Declare, Run}};

}  // namespace
