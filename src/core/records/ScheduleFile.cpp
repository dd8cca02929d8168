#include "core/records/ScheduleFile.h"

#include <stdexcept>
#include <type_traits>

#include "core/records/RecordFile.h"
#include "core/state/GameState.h"

namespace {

// Walks the entries of a table row by row, handing each to `entry` with its offset.
template <typename Table, typename Entry>
void forEachEntry(Table& table, std::size_t& offset, Entry&& entry) {
    for (auto& element : table) {
        if constexpr (std::is_same_v<std::remove_cv_t<std::remove_reference_t<decltype(element)>>,
                                     Money>) {
            entry(element, offset);
            offset += sizeof(Money);
        } else {
            forEachEntry(element, offset, entry);
        }
    }
}

}  // namespace

std::size_t schedule_offsets::TableOffset(PayoffTable wanted) {
    static const PayoffTables shapes{};
    std::size_t offset = kTables, found = 0;
    ForEachPayoffTable(shapes, [&](PayoffTable table, const auto& entries) {
        if (table == wanted) found = offset;
        offset += sizeof(entries);
    });
    return found;
}

std::vector<std::uint8_t> EncodeSchedule(const PayoffSchedule& schedule) {
    using namespace schedule_offsets;
    std::vector<std::uint8_t> record(kScheduleRecordSize, 0);
    bytes::WriteInt(record, kScheduleNumber, 4, schedule.ScheduleNumber);
    for (std::size_t i = 0; i < schedule.Reserved.size(); ++i)
        record[kReserved + i] = schedule.Reserved[i];
    bytes::WriteInt(record, kAggregateLimit, 8, schedule.AggregateLimit);
    std::size_t offset = kTables;
    ForEachPayoffTable(schedule.Tables, [&](PayoffTable, const auto& table) {
        forEachEntry(table, offset,
                     [&](Money value, std::size_t at) { bytes::WriteInt(record, at, 8, value); });
    });
    return record;
}

PayoffSchedule DecodeSchedule(const std::vector<std::uint8_t>& record) {
    using namespace schedule_offsets;
    if (record.size() != kScheduleRecordSize)
        throw std::invalid_argument("a schedule record has 5616 bytes");
    PayoffSchedule schedule;
    schedule.ScheduleNumber = bytes::ReadInt32(record, kScheduleNumber);
    for (std::size_t i = 0; i < schedule.Reserved.size(); ++i)
        schedule.Reserved[i] = record[kReserved + i];
    schedule.AggregateLimit = bytes::ReadInt64(record, kAggregateLimit);
    std::size_t offset = kTables;
    ForEachPayoffTable(schedule.Tables, [&](PayoffTable, auto& table) {
        forEachEntry(table, offset,
                     [&](Money& value, std::size_t at) { value = bytes::ReadInt64(record, at); });
    });
    return schedule;
}

PayoffSchedule ReadSchedule(const QString& path, int record) {
    RecordFile file(path, kScheduleRecordSize, RecordFile::Mode::Read);
    return DecodeSchedule(file.read(record));
}

static void putInForce(ScheduleInForce& inForce, const PayoffSchedule& schedule) {
    inForce.AggregateLimit = schedule.AggregateLimit;
    inForce.Payoffs = schedule.Tables;
}

void LoadSchedule(ScheduleInForce& inForce, const QString& path, int record) {
    putInForce(inForce, ReadSchedule(path, record));
}

void LoadStartupSchedule(ScheduleInForce& inForce, const QString& path) {
    const PayoffSchedule schedule = ReadSchedule(path, 0);
    putInForce(inForce, schedule);
    inForce.ScheduleNumber = schedule.ScheduleNumber;
}
