// velloro-tool odds: the payoffs-and-odds table of one tab, as the window shows it.
#include <QRegularExpression>

#include "ToolCommand.h"
#include "core/odds/OddsTable.h"
#include "core/records/ScheduleFile.h"

namespace {

const std::string kUsage =
    "odds --tab T --spots N [--bet DOLLARS] [--percent] [--file FILE] [--number N]";

// "1", "0.5", "$12.05" -> Money; at most four decimals, $0.0001 to $1,000,000.
bool ParseBet(const QString& text, Money& bet) {
    static const QRegularExpression kAmount(QStringLiteral(R"(^\$?(\d{1,7})(?:\.(\d{1,4}))?$)"));
    const QRegularExpressionMatch match = kAmount.match(text);
    if (!match.hasMatch()) return false;
    const QString fraction = match.captured(2).leftJustified(4, QLatin1Char('0'));
    bet = match.captured(1).toLongLong() * money::kOneDollar + fraction.toLongLong();
    return bet > 0 && bet <= money::dollars(1000000);
}

bool ParseInt(const QString& text, int low, int high, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= low && value <= high;
}

int RunOdds(const QStringList& arguments) {
    const QStringList valueOptions{"--tab", "--spots", "--bet", "--file", "--number"};
    if (!tool::onlyKnown(arguments, valueOptions, {"--percent"})) return tool::usageError(kUsage);
    if (!arguments.contains("--tab") || !arguments.contains("--spots"))
        return tool::usageError(kUsage);

    int tab = 0;
    int spots = 0;
    int number = 0;
    Money bet = money::kOneDollar;
    if (!ParseInt(tool::optionValue(arguments, "--tab", {}), 0, odds::kOddsTabs - 1, tab) ||
        !ParseInt(tool::optionValue(arguments, "--spots", {}), 0, 255, spots) ||
        !ParseInt(tool::optionValue(arguments, "--number", "0"), 0, 99, number) ||
        !ParseBet(tool::optionValue(arguments, "--bet", "1.00"), bet)) {
        return tool::usageError(kUsage);
    }

    const PayoffSchedule schedule =
        readSchedule(tool::optionValue(arguments, "--file", "cpos.vlr"), number);
    const TicketKind kind = odds::TabKind(tab);
    const odds::OddsInputs inputs{
        kind,
        odds::SpotsForTab(kind, spots),
        bet,
        tool::hasFlag(arguments, "--percent") ? odds::OddsMode::Percent : odds::OddsMode::OneIn,
        &schedule.Tables,
        schedule.AggregateLimit};
    odds::OddsView view;
    odds::FillOddsTable(inputs, odds::kFillAll, view);

    const QChar tabCharacter = QLatin1Char('\t');
    for (const odds::OddsRow& row : view.rows) {
        tool::printLine(row.catchLabel + tabCharacter + row.winText + tabCharacter + row.oddsText);
    }
    tool::printLine(QStringLiteral("Chance Of Winning") + tabCharacter + view.chanceOfWinning);
    tool::printLine(QStringLiteral("Expected Return") + tabCharacter + view.expectedReturn);
    return 0;
}

const ToolCommandRegistration registration{"odds", kUsage, RunOdds};

}  // namespace
