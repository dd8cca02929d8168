// velloro-tool replay: one recorded game in the words of the replay window.
#include "ToolCommand.h"
#include "core/records/HistoryFile.h"
#include "core/records/ScheduleFile.h"
#include "core/replay/ReplayText.h"
#include "core/state/TicketKind.h"

namespace {

const QCommandLineOption kFile{"file", "The games history to read (Games.vlr).", "FILE"};
const QCommandLineOption kSchedules{"schedules", "The payoff schedules file (cpos.vlr).", "FILE"};
const QCommandLineOption kNumber{"number", "The schedule in force, 0 to 99 (0).", "N"};

void Declare(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("GAME"), QStringLiteral("The game, 0 to 999."));
    parser.addOptions({kFile, kSchedules, kNumber});
}

int Run(const QCommandLineParser& parser) {
    bool ok = false;
    const int game = parser.positionalArguments().value(0).toInt(&ok);
    if (!ok || game < 0 || game >= kHistorySlots)
        throw tool::UsageError(QStringLiteral("GAME must be 0 to 999"));
    const int number = tool::IntValue(parser, kNumber, 0, 99, 0);

    tool::PrintLine(replay::Caption(game));
    const std::optional<GameRecord> record =
        replay::ReadGame(tool::FileValue(parser, kFile, kGamesFile), game);
    if (!record) return 0;  // no history: the caption alone, as the window shows it
    // Only a way ticket's wording reads payoffs; the other replays need no schedules.
    PayoffTables payoffs;
    if (record->TicketKind == KindByte(TicketKind::Way))
        payoffs = ReadSchedule(tool::FileValue(parser, kSchedules, kSchedulesFile), number).Tables;
    for (const QString& line : replay::Lines(*record, payoffs)) tool::PrintLine(line);
    return 0;
}

const ToolCommandRegistration registration{
    {"replay", "GAME [options]",
     "One recorded game in the replay window's words: its caption, then every line.", Declare, Run,
     1}};

}  // namespace
