#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <limits>

#include "core/records/FileBytes.h"
#include "core/records/HistoryFile.h"
#include "core/records/IoError.h"
#include "core/state/GameState.h"

using file_bytes::intAt;

namespace {

constexpr qsizetype kRecord = 1800;

class HistoryFileTest : public ::testing::Test {
  protected:
    QString path() const { return dir_.filePath("Games.vlr"); }
    QByteArray content() const { return file_bytes::readAll(path()); }
    QByteArray record(int n) const { return content().mid(n * kRecord, kRecord); }

    // A played game in the state, as the cycle leaves it after settlement.
    static GameState playedGame(int gameNumber, Money win, Money balance) {
        GameState state;
        state.GameNumber = gameNumber;
        state.GameWin = win;
        state.Balance = balance;
        state.SpotsMarked = 5;
        state.Sets[1].Numbers = {3, 14, 25, 36, 47};
        state.Sets[1].Hits = 2;
        for (int i = 0; i < 20; ++i)
            state.Drawn[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
        return state;
    }

    void writeHeaderGameNumber(std::int32_t number) {
        QByteArray data = content();
        file_bytes::putInt(data, 0, 4, number);
        file_bytes::writeAll(path(), data);
    }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(HistoryFileTest, CreationWritesTheHeaderAndThousandEmptySlots) {
    CreateHistoryFile(path());
    QByteArray expected(1001 * kRecord, '\0');
    file_bytes::putInt(expected, 0, 4, 999);
    for (int k = 1; k <= 1000; ++k) file_bytes::putInt(expected, k * kRecord, 4, k - 1);
    EXPECT_TRUE(content() == expected);
}

TEST_F(HistoryFileTest, FirstStartCreatesTheFileAndNumbersFromZero) {
    GameState state;
    state.GameNumber = 12;
    const HistoryStartup startup = OpenHistoryAtStartup(state, path());
    EXPECT_TRUE(startup.recordingEnabled);
    EXPECT_TRUE(startup.warning.isEmpty());
    EXPECT_EQ(state.GameNumber, -1);
    EXPECT_EQ(content().size(), 1001 * kRecord);
}

TEST_F(HistoryFileTest, HeaderGivesGameNumberAndBalanceUnlessItHoldsAPrice) {
    CreateHistoryFile(path());
    QByteArray data = content();
    file_bytes::putInt(data, 0, 4, 41);
    file_bytes::putInt(data, 4, 8, 25000);
    file_bytes::writeAll(path(), data);
    GameState state;
    EXPECT_TRUE(OpenHistoryAtStartup(state, path()).recordingEnabled);
    EXPECT_EQ(state.GameNumber, 41);
    EXPECT_EQ(state.Balance, 25000);

    file_bytes::putInt(data, 1712, 8, 1);  // a foreign header
    file_bytes::writeAll(path(), data);
    GameState foreign;
    foreign.Balance = 999;
    OpenHistoryAtStartup(foreign, path());
    EXPECT_EQ(foreign.GameNumber, 41);
    EXPECT_EQ(foreign.Balance, 0);

    // A negative balance is the player's too.
    file_bytes::putInt(data, 1712, 8, 0);
    file_bytes::putInt(data, 4, 8, -123456);
    file_bytes::writeAll(path(), data);
    OpenHistoryAtStartup(foreign, path());
    EXPECT_EQ(foreign.Balance, -123456);
}

TEST_F(HistoryFileTest, EveryFieldOfAGameReachesItsOffset) {
    CreateHistoryFile(path());
    GameState state;
    state.GameNumber = 7;
    state.GameWin = 0x0102030405060708;
    state.Balance = -50000;
    state.Sets[1].Numbers = {1, 2, 3};
    state.Sets[1].Hits = 3;
    state.Sets[80].Numbers[19] = 80;
    state.Sets[80].Hits = 9;
    state.Drawn = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 77};
    state.PricePerWay = 2500;
    state.Kind = TicketKind::Way;
    state.CompletedSets = 4;
    state.SpotsMarked = 12;
    state.SpotsPerSet = 3;
    state.CurrentSet = 5;
    state.Ways = 15;
    state.NumberOfGames = 250;
    state.WayCounts = {4, 6, 4, 1};
    state.WayCounts[14] = -1;
    state.KindCode = "QPX";  // only two characters fit
    RecordGame(state, path());

    const QByteArray slot = record(8);
    EXPECT_EQ(intAt(slot, 0, 4), 7);
    EXPECT_EQ(intAt(slot, 4, 8), 0x0102030405060708);
    EXPECT_EQ(slot.mid(12, 4), QByteArray("\1\2\3\0", 4));
    EXPECT_EQ(slot[32], 3);                  // hits of set 1
    EXPECT_EQ(slot[12 + 79 * 21 + 19], 80);  // last number of set 80
    EXPECT_EQ(slot[1691], 9);
    EXPECT_EQ(slot[1692], 11);
    EXPECT_EQ(slot[1711], 77);
    EXPECT_EQ(intAt(slot, 1712, 8), 2500);
    EXPECT_EQ(slot[1720], 10);
    EXPECT_EQ(slot[1721], 4);
    EXPECT_EQ(slot[1722], 12);
    EXPECT_EQ(slot[1723], 3);
    EXPECT_EQ(slot[1724], 5);
    EXPECT_EQ(slot[1725], 3);  // payoff spots from the group size
    EXPECT_EQ(slot.mid(1726, 2), QByteArray(2, '\0'));
    EXPECT_EQ(intAt(slot, 1728, 4), 15);
    EXPECT_EQ(intAt(slot, 1732, 4), 250);
    EXPECT_EQ(intAt(slot, 1736, 4), 4);
    EXPECT_EQ(intAt(slot, 1748, 4), 1);
    EXPECT_EQ(intAt(slot, 1792, 4), -1);
    EXPECT_EQ(slot.mid(1796, 4), QByteArray("\2QP\0", 4));

    QByteArray header(kRecord, '\0');
    file_bytes::putInt(header, 0, 4, 7);
    file_bytes::putInt(header, 4, 8, -50000);
    EXPECT_TRUE(record(0) == header);
    EXPECT_EQ(ReadHistory(path())[7].PayoffSpots, 3);
    EXPECT_EQ(state.PayoffSpots, 0);  // the writer leaves the state alone
    EXPECT_EQ(ReadHistory(path())[7], SlotFromState(state));
}

TEST_F(HistoryFileTest, PlainQuickPickBustRecordsOneWayAndNoWayCounts) {
    CreateHistoryFile(path());
    GameState state = playedGame(0, 0, -10000);
    state.KindCode = "QP";
    RecordGame(state, path());
    const GameRecord slot = ReadHistory(path())[0];
    EXPECT_EQ(slot.PayoffSpots, 5);  // from the marked spots when no group size
    EXPECT_TRUE(slot.played());
    EXPECT_EQ(slot.GameWin, 0);
    EXPECT_EQ(slot.Ways, 1);
    EXPECT_EQ(slot.WayCounts, (std::array<std::int32_t, 15>{}));
    EXPECT_EQ(slot.KindCode, "QP");
    EXPECT_EQ(intAt(record(0), 0, 4), 0);
    EXPECT_EQ(intAt(record(0), 4, 8), -10000);
}

TEST_F(HistoryFileTest, GameAfterNineNineNineOverwritesTheFirstSlot) {
    GameState state;
    OpenHistoryAtStartup(state, path());
    GameState last = playedGame(999, 30000, 20000);
    RecordGame(last, path());
    EXPECT_EQ(intAt(record(1000), 0, 4), 999);
    EXPECT_EQ(intAt(record(1000), 4, 8), 30000);
    GameState wrapped = playedGame(0, 50000, 70000);
    RecordGame(wrapped, path());
    EXPECT_EQ(intAt(record(1), 4, 8), 50000);
    EXPECT_EQ(intAt(record(0), 0, 4), 0);
    EXPECT_EQ(content().size(), 1001 * kRecord);
    EXPECT_EQ(ReadHistory(path())[999].GameWin, 30000);
}

TEST_F(HistoryFileTest, RestartContinuesAfterTheLastRecordedGame) {
    GameState state;
    OpenHistoryAtStartup(state, path());
    Money balance = 0;
    for (int game = 0; game <= 41; ++game) {
        balance += 5000;
        GameState played = playedGame(game, 15000, balance);
        RecordGame(played, path());
    }
    GameState restarted;
    OpenHistoryAtStartup(restarted, path());
    EXPECT_EQ(restarted.GameNumber, 41);  // the first OPEN moves on to 42
    EXPECT_EQ(restarted.Balance, 42 * 5000);
    const auto games = ReadHistory(path());
    EXPECT_TRUE(games[41].played());
    EXPECT_FALSE(games[42].played());
    EXPECT_EQ(games[42].GameNumber, 42);
}

TEST_F(HistoryFileTest, SlotIsWrittenBeforeTheHeader) {
    const auto writes = PlanRecording(playedGame(314, 0, 1));
    EXPECT_EQ(writes[0].record, 315);
    EXPECT_EQ(writes[0].content.GameNumber, 314);
    EXPECT_EQ(writes[1].record, 0);
    EXPECT_EQ(writes[1].content.GameWin, 1);
}

TEST_F(HistoryFileTest, MissingFileAtRecordingIsSkippedSilently) {
    GameState state = playedGame(3, 0, 0);
    state.SpotsPerSet = 0;
    EXPECT_NO_THROW(RecordGame(state, path()));
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(PlanRecording(state)[0].content.PayoffSpots, 5);
}

TEST_F(HistoryFileTest, RecorderRefusesAGameNumberWithoutASlot) {
    CreateHistoryFile(path());
    const QByteArray before = content();
    for (int number : {-1, 1000, 1'000'000}) {
        GameState state = playedGame(number, 0, 0);
        EXPECT_THROW(RecordGame(state, path()), IoError) << number;
    }
    EXPECT_TRUE(content() == before);
}

TEST_F(HistoryFileTest, DamagedHeaderIsReportedAndTheFileLeftAlone) {
    for (std::int32_t damaged : {1000, 5000, -7, -5, std::numeric_limits<std::int32_t>::max()}) {
        CreateHistoryFile(path());
        writeHeaderGameNumber(damaged);
        const QByteArray before = content();
        GameState state;
        state.Balance = 777;
        const HistoryStartup startup = OpenHistoryAtStartup(state, path());
        EXPECT_FALSE(startup.recordingEnabled);
        EXPECT_TRUE(startup.warning.contains("Games.vlr")) << startup.warning.toStdString();
        EXPECT_TRUE(startup.warning.contains(QString::number(damaged)));
        EXPECT_EQ(state.GameNumber, -1);
        EXPECT_EQ(state.Balance, 0);  // an untrusted header gives no balance
        // Even if the cycle records anyway, nothing is overwritten.
        GameState next = playedGame(0, 10000, 10000);
        EXPECT_THROW(RecordGame(next, path()), IoError);
        EXPECT_THROW(ReadHistory(path()), IoError);
        EXPECT_TRUE(content() == before);
    }
}

TEST_F(HistoryFileTest, ShortFileIsReportedAndNeverExtended) {
    CreateHistoryFile(path());
    QByteArray data = content().left(500 * kRecord + 17);
    file_bytes::putInt(data, 0, 4, 3);
    file_bytes::putInt(data, 4, 8, 40000);
    file_bytes::writeAll(path(), data);
    GameState state;
    const HistoryStartup startup = OpenHistoryAtStartup(state, path());
    EXPECT_FALSE(startup.recordingEnabled);
    EXPECT_TRUE(startup.warning.contains("Games.vlr"));
    EXPECT_TRUE(startup.warning.contains("500"));
    EXPECT_EQ(state.GameNumber, -1);
    EXPECT_EQ(state.Balance, 40000);  // the header itself is sound
    GameState late = playedGame(700, 0, 0);
    try {
        RecordGame(late, path());
        FAIL() << "a short file was written";
    } catch (const IoError& error) {
        EXPECT_EQ(error.fileName(), "Games.vlr");
    }
    EXPECT_TRUE(content() == data);

    // A single byte is already damage; an empty file is what a start killed
    // while creating the history left, and holds no game: it is made anew.
    file_bytes::writeAll(path(), QByteArray(1, '\0'));
    EXPECT_FALSE(OpenHistoryAtStartup(state, path()).recordingEnabled);
    EXPECT_EQ(content().size(), 1);
    file_bytes::writeAll(path(), QByteArray());
    EXPECT_TRUE(OpenHistoryAtStartup(state, path()).recordingEnabled);
    EXPECT_EQ(state.Balance, 0);
    EXPECT_EQ(state.GameNumber, -1);
    EXPECT_EQ(content().size(), 1001 * kRecord);
}

TEST(GameRecordBytes, RoundTripAndAnOverlongKindCode) {
    GameRecord game;
    game.GameNumber = 123;
    game.GameWin = -1;
    game.Sets[40].Numbers = {80, 79, 1};
    game.Sets[40].Hits = 2;
    game.Drawn[19] = 42;
    game.TicketKind = 6;
    game.WayCounts[7] = 35;
    game.KindCode = "LR";
    EXPECT_EQ(DecodeGameRecord(EncodeGameRecord(game)), game);

    auto bytes = EncodeGameRecord(game);
    bytes[1796] = 200;  // a damaged length reads no further than the field
    EXPECT_EQ(DecodeGameRecord(bytes).KindCode, "LR");
}
