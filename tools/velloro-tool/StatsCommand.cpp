// velloro-tool stats: the recorded play against what its tickets were worth,
// and whether the balls look fair.
#include <algorithm>

#include "ToolCommand.h"
#include "core/records/HistoryFile.h"
#include "core/records/ScheduleFile.h"
#include "core/replay/ReplayText.h"
#include "core/stats/PlayFigures.h"

namespace {

const QCommandLineOption kFile{"file", "The games history to read (Games.vlr).", "FILE"};
const QCommandLineOption kSchedules{"schedules", "The payoff schedules file (cpos.vlr).", "FILE"};
const QCommandLineOption kNumber{
    "number", "The schedule the tickets are worked out under, 0 to 99 (0).", "N"};

void Declare(QCommandLineParser& parser) { parser.addOptions({kFile, kSchedules, kNumber}); }

int Run(const QCommandLineParser& parser) {
    const QString file = tool::FileValue(parser, kFile, kGamesFile);
    const int number = tool::IntValue(parser, kNumber, 0, 99, 0);
    const HistoryContents history = ReadHistoryContents(file);
    // The history does not keep the schedule a game was paid from; without a
    // played game none is needed.
    stats::PlayHistory play;
    if (std::any_of(history.games.begin(), history.games.end(),
                    [](const GameRecord& record) { return record.played(); })) {
        const PayoffSchedule schedule =
            ReadSchedule(tool::FileValue(parser, kSchedules, kSchedulesFile), number);
        play = stats::PlayOf(history, schedule.Tables, schedule.AggregateLimit);
    }
    for (const stats::DamagedGame& damaged : play.damaged)
        tool::PrintNote(file + QStringLiteral(": ") + replay::Caption(damaged.gameNumber) +
                        QStringLiteral(" skipped: ") + damaged.reason);
    if (!play.damaged.empty())
        tool::PrintNote(file + QStringLiteral(": %1 damaged %2 skipped")
                                   .arg(play.damaged.size())
                                   .arg(play.damaged.size() == 1 ? "game" : "games"));
    for (const stats::FigureLine& line : stats::FigureLines(stats::FiguresOf(play)))
        tool::PrintLine(line.label + QLatin1Char('\t') + line.value);
    return 0;
}

const ToolCommandRegistration registration{
    {"stats", "[options]",
     "How the recorded play went against the odds, and whether the balls look fair.", Declare,
     Run}};

}  // namespace
