// Hand-made damaged files: each is reported by name and reason or played as
// stored, and none is written outside its records or crashes the reader.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <limits>

#include "core/odds/OddsBrowser.h"
#include "core/odds/OddsTable.h"
#include "core/records/FileBytes.h"
#include "core/records/HistoryFile.h"
#include "core/records/IoError.h"
#include "core/records/ScheduleFile.h"
#include "core/state/GameState.h"
#include "core/state/RandomSource.h"
#include "core/ticket/Evaluation.h"

namespace {

constexpr qsizetype kRecord = 1800;
constexpr Money kLargest = std::numeric_limits<Money>::max();
constexpr Money kSmallest = std::numeric_limits<Money>::min();

struct DamagedFiles : ::testing::Test {
    QTemporaryDir dir;
    QString games = dir.filePath(QStringLiteral("Games.vlr"));
    QString schedules = dir.filePath(QStringLiteral("cpos.vlr"));

    static GameState playedGame(int number) {
        GameState state;
        state.GameNumber = number;
        state.SpotsMarked = 2;
        state.Sets[1].Numbers = {1, 2};
        state.Drawn.fill(9);
        return state;
    }
    // Recording and reading both refuse the file and leave every byte as it was.
    void expectUntouchedByRecording(const QString& path) {
        const QByteArray before = file_bytes::readAll(path);
        GameState state = playedGame(0);
        EXPECT_THROW(RecordGame(state, path), IoError);
        EXPECT_THROW(ReadHistory(path), IoError);
        EXPECT_TRUE(file_bytes::readAll(path) == before);
    }
};

// Half a header, and a history one byte short of its last slot.
TEST_F(DamagedFiles, ShortHistoriesAreReportedWithTheirWholeRecords) {
    CreateHistoryFile(games);
    const QByteArray whole = file_bytes::readAll(games);
    for (const qsizetype length : {kRecord / 2, 1001 * kRecord - 1}) {
        file_bytes::writeAll(games, whole.left(length));
        GameState state;
        const HistoryStartup startup = OpenHistoryAtStartup(state, games);
        EXPECT_FALSE(startup.recordingEnabled);
        EXPECT_TRUE(startup.warning.contains(
            QStringLiteral("Games.vlr is damaged: it holds %1 whole records")
                .arg(length / kRecord)))
            << startup.warning.toStdString();
        expectUntouchedByRecording(games);
    }
}

// A folder where a file belongs, or a history on a device that holds nothing.
TEST_F(DamagedFiles, AFolderOrTheFullDeviceInPlaceOfAFileIsReportedByName) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("cpos.vlr")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Games.vlr")));
    GameState state;
    state.AggregateLimit = 123;
    try {
        LoadSchedule(state, schedules, 0);
        FAIL() << "a folder was read as schedules";
    } catch (const IoError& error) {
        EXPECT_EQ(error.fileName(), "cpos.vlr");
        EXPECT_FALSE(error.reason().isEmpty());
    }
    EXPECT_EQ(state.AggregateLimit, 123);

    // The game still starts, without recording.
    const HistoryStartup startup = OpenHistoryAtStartup(state, games);
    EXPECT_FALSE(startup.recordingEnabled);
    EXPECT_TRUE(startup.warning.contains("Games.vlr cannot be read"))
        << startup.warning.toStdString();
    EXPECT_EQ(state.GameNumber, -1);
    GameState next = playedGame(0);
    EXPECT_THROW(RecordGame(next, games), IoError);
    EXPECT_TRUE(QFileInfo(games).isDir());

    if (!QFile::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full";
    const QString full = dir.filePath(QStringLiteral("full/Games.vlr"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("full")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), full));
    EXPECT_FALSE(OpenHistoryAtStartup(state, full).recordingEnabled);
    GameState onFull = playedGame(0);
    EXPECT_THROW(RecordGame(onFull, full), IoError);
}

// Entries at the ends of the 64-bit range: every outcome of every kind pays
// its entry capped at the limit, and neither the win nor the balance wraps.
TEST_F(DamagedFiles, ScheduleEntriesAtTheEndsOfTheRangeNeverWrap) {
    QByteArray content;
    for (const Money value : {kLargest, kSmallest}) {
        QByteArray record(static_cast<qsizetype>(kScheduleRecordSize), '\0');
        file_bytes::putInt(record, 0, 4,
                           value > 0 ? std::numeric_limits<std::int32_t>::max()
                                     : std::numeric_limits<std::int32_t>::min());
        for (qsizetype at = 32; at < record.size(); at += 8)
            file_bytes::putInt(record, at, 8, value);
        content += record;
    }
    file_bytes::writeAll(schedules, content);

    for (const Money value : {kLargest, kSmallest}) {
        GameState loaded;
        LoadSchedule(loaded, schedules, value > 0 ? 0 : 1);
        ASSERT_EQ(loaded.AggregateLimit, value);
        RandomSource random([] { return 0u; });
        for (int kind = 0; kind <= 10; ++kind) {
            for (int spots = 0; spots <= 20; ++spots) {
                for (int hits = 0; hits <= 20; ++hits) {
                    GameState state = loaded;
                    state.Kind = static_cast<TicketKind>(kind);
                    state.SpotsPerSet = static_cast<std::uint8_t>(spots);
                    state.CompletedSets = 3;
                    state.WayCounts = {3, 3, 1};
                    for (int g = 1; g <= 3; ++g)
                        state.Sets[static_cast<std::size_t>(g)].Hits =
                            static_cast<std::uint8_t>(hits);
                    state.Sets[1].Numbers[0] = 80;
                    state.Drawn.back() = 80;
                    state.PricePerWay = money::Dollars(100);
                    state.Balance = value > 0 ? 1 : -1;
                    EvaluateGame(state, random);
                    SCOPED_TRACE(testing::Message() << kind << ' ' << spots << ' ' << hits);
                    if (value > 0) {
                        // Paid in full (held at the limit) or not at all.
                        EXPECT_TRUE(state.GameWin == 0 || state.GameWin == kLargest);
                        EXPECT_EQ(state.Balance, state.GameWin > 0 ? kLargest : 1);
                    } else {
                        // A limit this low caps even a bust to itself.
                        EXPECT_EQ(state.GameWin, kSmallest);
                        EXPECT_EQ(state.Balance, kSmallest);
                    }
                }
            }
        }
        // The odds window's every table, at the largest bet.
        for (int tab = 0; tab < kinds::TabCount(); ++tab) {
            for (int spots = 1; spots <= 20; ++spots) {
                odds::OddsView view;
                const TicketKind kind = kinds::TabKind(tab);
                odds::FillOddsTable(
                    {kind, odds::SpotsForTab(kind, spots), money::Dollars(100),
                     odds::OddsMode::Percent, &loaded.Payoffs, loaded.AggregateLimit},
                    odds::kFillAll, view);
                for (const QString& text :
                     {view.expectedReturn, view.chanceOfWinning, view.rows[0].winText}) {
                    EXPECT_FALSE(text.contains("nan", Qt::CaseInsensitive)) << text.toStdString();
                    EXPECT_FALSE(text.contains("inf", Qt::CaseInsensitive)) << text.toStdString();
                }
            }
        }
        // Record 0 may name a schedule at either end of the range; stepping from it must not wrap.
        GameState named = loaded;
        named.ScheduleNumber = value > 0 ? std::numeric_limits<std::int32_t>::max()
                                         : std::numeric_limits<std::int32_t>::min();
        int loads = 0;
        OddsBrowser browser(named, [&loads](ScheduleInForce&, int) { ++loads; });
        browser.selectTab(0);
        EXPECT_FALSE(browser.stepArrow(value > 0 ? OddsArrow::CasinoUp : OddsArrow::CasinoDown));
        EXPECT_EQ(loads, 0);
        EXPECT_EQ(named.ScheduleNumber, value > 0 ? std::numeric_limits<std::int32_t>::max()
                                                  : std::numeric_limits<std::int32_t>::min());
    }
}

}  // namespace
