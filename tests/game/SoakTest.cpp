#include <gtest/gtest.h>

#include <QTemporaryDir>

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
        if (options.games == 20000 / 2)
            for (std::size_t kind = 0; kind < report.gamesByKind.size(); ++kind)
                EXPECT_GT(report.gamesByKind[kind], 0) << "no game of kind " << kind;
        EXPECT_GT(report.won, 0);
    }
}

}  // namespace
