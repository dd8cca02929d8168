#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/records/FileBytes.h"
#include "core/records/IoError.h"
#include "core/records/ScheduleFile.h"
#include "core/state/GameState.h"

using file_bytes::intAt;

namespace {

// Every entry distinct, so a misplaced field shows up.
PayoffSchedule numberedSchedule(std::int32_t number, Money base) {
    PayoffSchedule schedule;
    schedule.ScheduleNumber = number;
    schedule.AggregateLimit = base * 7;
    for (std::size_t i = 0; i < schedule.Reserved.size(); ++i)
        schedule.Reserved[i] = static_cast<std::uint8_t>(0xA0 + i);
    Money next = base;
    auto fill = [&next](auto& table) {
        for (auto& row : table) {
            if constexpr (std::is_same_v<std::remove_reference_t<decltype(row)>, Money>) {
                row = next++;
            } else {
                for (Money& entry : row) entry = next++;
            }
        }
    };
    auto& t = schedule.Tables;
    fill(t.RegularPayoffs);
    fill(t.AllCatchesPayoffs);
    fill(t.AllOrNothingPayoffs);
    fill(t.BetAgainstPayoffs);
    fill(t.CatchAllPayoffs);
    fill(t.FortyPayoffs);
    fill(t.FortyFortyPayoffs);
    fill(t.LastBallPayoffs);
    fill(t.SuperSpecialPayoffs);
    fill(t.ThirtyTwoSpotPayoffs);
    return schedule;
}

class ScheduleFileTest : public ::testing::Test {
  protected:
    QString path() const { return dir_.filePath("cpos.vlr"); }
    void writeSchedules(const std::vector<PayoffSchedule>& schedules, QByteArray tail = {}) {
        QByteArray content;
        for (const auto& s : schedules) content += file_bytes::fromRecord(EncodeSchedule(s));
        file_bytes::writeAll(path(), content + tail);
    }
    QTemporaryDir dir_;
};

}  // namespace

TEST(ScheduleRecord, FieldsLieAtTheirOffsets) {
    PayoffSchedule schedule;
    schedule.ScheduleNumber = -2;
    schedule.AggregateLimit = money::Dollars(50'000);
    schedule.Tables.RegularPayoffs[4][3] = 0x0102030405060708;  // 5 spots, 3 caught
    schedule.Tables.LastBallPayoffs[2][4] = 123'456;            // 3 spots, full with last ball
    schedule.Tables.AllCatchesPayoffs[0][0] = 11;
    schedule.Tables.BetAgainstPayoffs[8] = 12;
    schedule.Tables.FortyFortyPayoffs[12] = 13;
    schedule.Tables.ThirtyTwoSpotPayoffs[20] = -14;
    const QByteArray record = file_bytes::fromRecord(EncodeSchedule(schedule));
    ASSERT_EQ(record.size(), 5616);
    EXPECT_EQ(intAt(record, 0, 4), -2);
    EXPECT_EQ(intAt(record, 32, 8), 500'000'000);
    EXPECT_EQ(static_cast<std::uint8_t>(record[736]), 0x08);
    EXPECT_EQ(static_cast<std::uint8_t>(record[743]), 0x01);
    EXPECT_EQ(intAt(record, 4520, 8), 123'456);
    EXPECT_EQ(intAt(record, 3400, 8), 11);
    EXPECT_EQ(intAt(record, 3832 + 8 * 8, 8), 12);
    EXPECT_EQ(intAt(record, 4192 + 12 * 8, 8), 13);
    EXPECT_EQ(intAt(record, 5608, 8), -14);
    // Nothing else is set.
    int nonZero = 0;
    for (char byte : record) nonZero += byte != 0;
    EXPECT_EQ(nonZero, 4 + 3 + 8 + 3 + 1 + 1 + 1 + 8);
}

TEST(ScheduleRecord, RoundTripKeepsEveryEntryAndTheReservedBytes) {
    const PayoffSchedule schedule = numberedSchedule(7, 1000);
    EXPECT_EQ(DecodeSchedule(EncodeSchedule(schedule)), schedule);
    // The last entry of the file's last table is the last numbered one.
    EXPECT_EQ(intAt(file_bytes::fromRecord(EncodeSchedule(schedule)), 5608, 8), 1000 + 697 - 1);
}

TEST_F(ScheduleFileTest, MissingOrShortFileIsAnInputOutputError) {
    try {
        ReadSchedule(path(), 0);
        FAIL() << "no error for a missing file";
    } catch (const IoError& error) {
        EXPECT_EQ(error.message(), "cpos.vlr: File not found");
    }
    file_bytes::writeAll(path(), QByteArray(5615, '\1'));
    try {
        ReadSchedule(path(), 0);
        FAIL() << "no error for a short file";
    } catch (const IoError& error) {
        EXPECT_EQ(error.reason(), "Read beyond end of file");
    }
}

TEST_F(ScheduleFileTest, StartUpTakesRecordZeroAndItsNumber) {
    writeSchedules({numberedSchedule(7, 1000), numberedSchedule(0, 5000)});
    GameState state;
    LoadStartupSchedule(state, path());
    EXPECT_EQ(state.ScheduleNumber, 7);
    EXPECT_EQ(state.AggregateLimit, 7000);
    EXPECT_EQ(state.Payoffs, numberedSchedule(7, 1000).Tables);
}

TEST_F(ScheduleFileTest, LoadReplacesTablesButNotTheNumber) {
    writeSchedules({numberedSchedule(0, 1000), numberedSchedule(99, 5000)});
    GameState state;
    state.ScheduleNumber = 1;
    LoadSchedule(state, path(), 1);
    EXPECT_EQ(state.ScheduleNumber, 1);
    EXPECT_EQ(state.AggregateLimit, 35000);
    EXPECT_EQ(state.Payoffs, numberedSchedule(99, 5000).Tables);
}

TEST_F(ScheduleFileTest, LoadBeyondTheEndKeepsTheScheduleInForce) {
    // One whole record and a stray tail that must never be read as a record.
    writeSchedules({numberedSchedule(0, 1000)}, QByteArray(100, '\7'));
    GameState state;
    LoadStartupSchedule(state, path());
    const PayoffTables before = state.Payoffs;
    EXPECT_THROW(LoadSchedule(state, path(), 1), IoError);
    EXPECT_EQ(state.Payoffs, before);
    EXPECT_EQ(state.AggregateLimit, 7000);
    EXPECT_THROW(LoadSchedule(state, path(), -1), IoError);
    EXPECT_EQ(state.Payoffs, before);
}
