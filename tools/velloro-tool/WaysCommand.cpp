// velloro-tool ways: what a whole way ticket is worth in one game.
#include <limits>

#include "ToolCommand.h"
#include "core/odds/OddsBrowser.h"
#include "core/odds/WayOdds.h"
#include "core/records/ScheduleFile.h"
#include "core/ticket/BetControls.h"

namespace {

const QCommandLineOption kSize{"size", "Numbers in each group, 1 to 7.", "S"};
const QCommandLineOption kGroups{"groups", "Complete groups on the ticket, 1 to 80.", "N"};
const QCommandLineOption kRows{
    "rows", "The rows bet, comma-separated: row k bets every choice of k groups (1 to 15).",
    "K1,K2,..."};
const QCommandLineOption kBet{"bet", "The price per way in dollars, $0.05 to $100.00 (1.00).",
                              "DOLLARS"};
const QCommandLineOption kFile{"file", "The payoff schedules file (cpos.vlr).", "FILE"};
const QCommandLineOption kNumber{"number", "The schedule in force, 0 to 99 (0).", "N"};

void Declare(QCommandLineParser& parser) {
    parser.addOptions({kSize, kGroups, kRows, kBet, kFile, kNumber});
}

// "1,2,3" -> rows 1, 2 and 3 bet.
std::array<bool, way::kRows> RowsValue(const QCommandLineParser& parser) {
    const QString allowed = QStringLiteral("row numbers 1 to %1, comma-separated").arg(way::kRows);
    if (!parser.isSet(kRows))
        throw tool::UsageError(QStringLiteral("--rows is required (") + allowed + ')');
    std::array<bool, way::kRows> rows{};
    for (const QString& part : parser.value(kRows).split(QLatin1Char(','))) {
        bool ok = false;
        const int k = part.toInt(&ok);
        if (!ok || k < 1 || k > way::kRows)
            throw tool::UsageError(QStringLiteral("--rows must be ") + allowed);
        rows[static_cast<std::size_t>(k - 1)] = true;
    }
    return rows;
}

void RefuseUnless(const QString& refusal) {
    if (!refusal.isEmpty()) throw tool::UsageError(QStringLiteral("refused: ") + refusal);
}

int Run(const QCommandLineParser& parser) {
    odds::WayTicketBet bet;
    // Sizes and counts the way window refuses are told as refusals, not as usage.
    bet.groupSize = tool::IntValue(parser, kSize, 0, 255);
    bet.groups = tool::IntValue(parser, kGroups, 0, 255);
    bet.rowBet = RowsValue(parser);
    bet.pricePerWay =
        tool::AmountValue(parser, kBet, bet::kLowestPrice, bet::kHighestPrice, money::kOneDollar);
    const int number = tool::IntValue(parser, kNumber, 0, OddsBrowser::kLastSchedule, 0);
    // The ticket itself first, so that its faults are named without a schedule file.
    RefuseUnless(odds::WayTicketRefusal(bet, std::numeric_limits<Money>::max()));

    const PayoffSchedule schedule =
        ReadSchedule(tool::FileValue(parser, kFile, kSchedulesFile), number);
    RefuseUnless(odds::WayTicketRefusal(bet, schedule.AggregateLimit));
    const odds::WayWorth worth =
        odds::WorthOfWayTicket(bet, schedule.Tables, schedule.AggregateLimit);
    for (const odds::WayFigure& line : odds::WayWorthLines(odds::DescribeWayWorth(worth)))
        tool::PrintLine(line.label + QLatin1Char('\t') + line.value);
    return 0;
}

const ToolCommandRegistration registration{
    {"ways", "--size S --groups N --rows K1,K2,... [options]",
     "What a whole way ticket is worth: chance of winning, expected return, top win.", Declare,
     Run}};

}  // namespace
