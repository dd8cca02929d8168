// velloro-tool odds: the payoffs-and-odds table of one tab, as the window shows it.
#include "ToolCommand.h"
#include "core/odds/OddsBrowser.h"
#include "core/odds/OddsTable.h"
#include "core/records/ScheduleFile.h"
#include "core/ticket/KindTable.h"

namespace {

// "The window's tab, 0 (1 To 20 Spot) to 9 (Thirty Two Spot)."
QString TabHelp() {
    const int last = kinds::TabCount() - 1;
    return QStringLiteral("The window's tab, 0 (%1) to %2 (%3).")
        .arg(kinds::TabTitle(0))
        .arg(last)
        .arg(kinds::TabTitle(last));
}

const QCommandLineOption kTab{QStringLiteral("tab"), TabHelp(), QStringLiteral("T")};
const QCommandLineOption kSpots{
    "spots", "Spots marked, 1 to 20; outside the tab's range the tab's least count.", "N"};
const QCommandLineOption kBet{"bet", "The bet in dollars, $0.05 to $100.00 (1.00).", "DOLLARS"};
const QCommandLineOption kPercent{"percent", "Odds as percentages instead of \"1 in N\"."};
const QCommandLineOption kFile{"file", "The payoff schedules file (cpos.vlr).", "FILE"};
const QCommandLineOption kNumber{"number", "The schedule in force, 0 to 99 (0).", "N"};

void Declare(QCommandLineParser& parser) {
    parser.addOptions({kTab, kSpots, kBet, kPercent, kFile, kNumber});
}

int Run(const QCommandLineParser& parser) {
    const odds::SpotRange widest = odds::SpotRangeOf(kinds::TabKind(0));
    const int tab = tool::IntValue(parser, kTab, 0, kinds::TabCount() - 1);
    const int spots = tool::IntValue(parser, kSpots, widest.minimum, widest.maximum);
    const int number = tool::IntValue(parser, kNumber, 0, OddsBrowser::kLastSchedule, 0);
    const Money bet = tool::AmountValue(parser, kBet, OddsBrowser::kLowestBet,
                                        OddsBrowser::kHighestBet, money::kOneDollar);

    const PayoffSchedule schedule =
        ReadSchedule(tool::FileValue(parser, kFile, kSchedulesFile), number);
    const TicketKind kind = kinds::TabKind(tab);
    const odds::OddsInputs inputs{
        kind,
        odds::SpotsForTab(kind, spots),
        bet,
        parser.isSet(kPercent) ? odds::OddsMode::Percent : odds::OddsMode::OneIn,
        &schedule.Tables,
        schedule.AggregateLimit};
    odds::OddsView view;
    odds::FillOddsTable(inputs, odds::kFillAll, view);

    const QChar tabCharacter = QLatin1Char('\t');
    for (const odds::OddsRow& row : view.rows) {
        tool::PrintLine(row.catchLabel + tabCharacter + row.winText + tabCharacter + row.oddsText);
    }
    tool::PrintLine(QStringLiteral("Chance Of Winning") + tabCharacter + view.chanceOfWinning);
    tool::PrintLine(QStringLiteral("Expected Return") + tabCharacter + view.expectedReturn);
    return 0;
}

const ToolCommandRegistration registration{
    {"odds", "--tab T --spots N [options]",
     "The payoffs and odds of one tab of the Payoffs & Odds window.", Declare, Run}};

}  // namespace
