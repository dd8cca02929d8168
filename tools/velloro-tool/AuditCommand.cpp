// velloro-tool audit: plays every recorded game again from its ticket and
// balls, and tells whether the evaluation pays what the history says it won;
// then whether the header's balance is what the recorded games earned.
#include <QFileInfo>
#include <algorithm>

#include "ToolCommand.h"
#include "core/records/HistoryFile.h"
#include "core/records/ScheduleFile.h"
#include "core/replay/ReplayText.h"
#include "core/state/GameState.h"
#include "core/state/RandomSource.h"
#include "core/ticket/BetControls.h"
#include "core/ticket/CatchRule.h"
#include "core/ticket/Evaluation.h"

namespace {

const QCommandLineOption kFile{"file", "The games history to read (Games.vlr).", "FILE"};
const QCommandLineOption kSchedules{"schedules", "The payoff schedules file (cpos.vlr).", "FILE"};
const QCommandLineOption kNumber{"number", "The schedule tried first, 0 to 99 (0).", "N"};

void Declare(QCommandLineParser& parser) { parser.addOptions({kFile, kSchedules, kNumber}); }

struct Replayed {
    Money win = 0;
    QString hitsDiffer;  // empty when every set caught what the record says
};

Replayed playAgain(const GameRecord& record, const PayoffSchedule& schedule) {
    GameState state;
    state.Payoffs = schedule.Tables;
    state.AggregateLimit = schedule.AggregateLimit;
    state.SoundsOn = false;
    state.Sets = record.Sets;
    PutBetFields(record, state);
    bet::UpdateTotals(state);
    ForgetDraw(state);
    for (std::size_t i = 0; i < record.Drawn.size(); ++i) {
        state.Drawn[i] = record.Drawn[i];
        CatchBall(state, record.Drawn[i]);
    }
    RandomSource random([] { return 0u; });
    EvaluateGame(state, random);
    Replayed replayed{state.GameWin, {}};
    for (int set = 1; set <= kSetCount && replayed.hitsDiffer.isEmpty(); ++set) {
        const auto s = static_cast<std::size_t>(set);
        if (state.Sets[s].Hits != record.Sets[s].Hits)
            replayed.hitsDiffer = QStringLiteral("set %1 caught %2, recorded %3")
                                      .arg(set)
                                      .arg(state.Sets[s].Hits)
                                      .arg(record.Sets[s].Hits);
    }
    return replayed;
}

// What the game cost: its price per way times its ways.
Money priceOf(const GameRecord& record) {
    GameState state;
    PutBetFields(record, state);
    bet::UpdateTotals(state);
    return state.PricePerGame;
}

// A history starts at a balance of 0 with its games numbered from 000. While
// no slot after the last game's has been played, the numbering has not come
// round, so every game since that start is still in the file.
bool holdsEveryGame(const HistoryContents& history) {
    const auto& games = history.games;
    if (history.lastGame() == kHistorySlots - 1)
        return std::none_of(games.begin(), games.end(), [](auto& g) { return g.played(); });
    return std::none_of(games.begin() + history.lastGame() + 1, games.end(),
                        [](const GameRecord& game) { return game.played(); });
}

QString balanceLine(const HistoryContents& history, int played, Money earned) {
    const Money balance = BalanceFromHeader(history.header);
    const QString recorded = money::Currency(balance);
    if (!holdsEveryGame(history))
        return QStringLiteral(
                   "Balance\t%1\tnot checked: the games before the oldest one "
                   "recorded are gone")
            .arg(recorded);
    const QString games =
        played == 1 ? QStringLiteral("1 game") : QStringLiteral("%1 games").arg(played);
    if (balance == earned)
        return QStringLiteral("Balance\t%1\tearned by the %2 recorded").arg(recorded, games);
    return QStringLiteral("Balance\t%1\tDIFFERS from the %2 earned by the %3 recorded")
        .arg(recorded, money::Currency(earned), games);
}

int Run(const QCommandLineParser& parser) {
    const HistoryContents history = ReadHistoryContents(tool::FileValue(parser, kFile, kGamesFile));
    const QString schedulesFile = tool::FileValue(parser, kSchedules, kSchedulesFile);
    const int first = tool::IntValue(parser, kNumber, 0, 99, 0);
    // The history does not keep the schedule a game was paid from: the one
    // named is tried first, then the others in file order, read when needed.
    std::vector<PayoffSchedule> schedules{ReadSchedule(schedulesFile, first)};
    const auto inFile = static_cast<std::size_t>(std::min<qint64>(
        100, QFileInfo(schedulesFile).size() / static_cast<qint64>(kScheduleRecordSize)));
    auto tried = [&](std::size_t i) -> const PayoffSchedule& {
        while (schedules.size() <= i) {
            int number = static_cast<int>(schedules.size()) - 1;
            if (number >= first) ++number;
            schedules.push_back(ReadSchedule(schedulesFile, number));
        }
        return schedules[i];
    };

    int played = 0, repaid = 0;
    Money earned = 0;  // the recorded wins less the games' prices
    // Oldest first: the slot after the last game's comes round to it.
    for (int step = 1; step <= kHistorySlots; ++step) {
        const int game = (history.lastGame() + step) % kHistorySlots;
        const GameRecord& record = history.games[static_cast<std::size_t>(game)];
        if (!record.played()) continue;
        ++played;
        earned = money::SaturatingAdd(earned,
                                      money::SaturatingSubtract(record.GameWin, priceOf(record)));
        QString verdict;
        for (std::size_t i = 0; i < inFile && verdict.isEmpty(); ++i) {
            const Replayed again = playAgain(record, tried(i));
            if (!again.hitsDiffer.isEmpty()) {
                verdict = QStringLiteral("NOT RE-PAID: ") + again.hitsDiffer;
            } else if (again.win == record.GameWin) {
                verdict = QStringLiteral("re-paid by schedule %1").arg(tried(i).ScheduleNumber);
                ++repaid;
            }
        }
        if (verdict.isEmpty()) verdict = QStringLiteral("NOT RE-PAID by any schedule");
        tool::PrintLine(replay::Caption(game) + QLatin1Char('\t') +
                        money::Currency(record.GameWin) + QLatin1Char('\t') + verdict);
    }
    tool::PrintLine(QStringLiteral("Re-paid\t%1 of %2").arg(repaid).arg(played));
    tool::PrintLine(balanceLine(history, played, earned));
    return 0;
}

const ToolCommandRegistration registration{
    {"audit", "[options]",
     "Plays every recorded game again from its ticket and balls: is it paid what it won, and is "
     "the balance what the games earned?",
     Declare, Run}};

}  // namespace
