#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/schedules/ScheduleDesign.h"
#include "core/stats/PlayFigures.h"
#include "support/SoakRun.h"

namespace {

// The sanitizer run of the suite plays fewer games: VELLORO_SOAK_GAMES.
int soakGames(int games) {
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("VELLORO_SOAK_GAMES", &ok);
    return ok && fromEnvironment > 0 ? fromEnvironment : games;
}

// Random tickets of every kind and random bets, each game checked against the
// balls, the running books and what the history file holds afterwards.
TEST(Soak, GamesOfEveryKindKeepTheDrawTheBooksAndTheHistoryRight) {
    struct Leg {
        std::uint32_t seed;
        int schedule;
    };
    frequency::BallCounts balls{};
    int games = 0;
    for (const Leg leg : {Leg{20261208, 0}, Leg{77, 63}}) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        SoakOptions options;
        options.games = soakGames(20000) / 2;
        options.seed = leg.seed;
        options.scheduleNumber = leg.schedule;
        options.historyPath = dir.filePath(QStringLiteral("Games.vlr"));
        const SoakReport report = PlaySoak(options);

        SCOPED_TRACE(leg.seed);
        EXPECT_TRUE(report.faults.isEmpty()) << report.faults.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(report.games, options.games);
        // The shorter sanitizer run meets too few tickets to see every kind.
        if (options.games == 20000 / 2) {
            for (std::size_t kind = 0; kind < report.gamesByKind.size(); ++kind)
                EXPECT_GT(report.gamesByKind[kind], 0) << "no game of kind " << kind;
        }
        EXPECT_GT(report.won, 0);

        // Every game the real cycle recorded is counted, and its tickets'
        // worth is near what they won.
        const PayoffSchedule schedule = schedule_design::Design(leg.schedule);
        const stats::PlayHistory play =
            stats::ReadPlayHistory(options.historyPath, schedule.Tables, schedule.AggregateLimit);
        EXPECT_EQ(play.games.size(), std::min<std::size_t>(options.games, 1000));
        for (const stats::DamagedGame& damaged : play.damaged)
            ADD_FAILURE() << damaged.gameNumber << ": " << damaged.reason.toStdString();
        const stats::PlayFigures figures = stats::FiguresOf(play);
        ASSERT_TRUE(figures.luck.has_value());
        EXPECT_LT(std::abs(static_cast<double>(*figures.luck)), 4.0);
        for (std::size_t n = 0; n < balls.size(); ++n) balls[n] += report.balls[n];
        games += report.games;
    }
    // The real draw over every game of both legs passes the fairness test.
    // The soak's clock steps by the same 7919 ms at every reseed, which
    // spreads the balls of a thousand games or so more evenly than chance
    // would; over the whole run they are neither lopsided nor too even.
    const long double p = stats::FairnessOf(balls, games).pValue;
    EXPECT_GT(p, 0.01L);
    if (games == 20000) {
        EXPECT_LT(p, 0.99L);
    }
}

}  // namespace
