#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "core/state/PayoffTables.h"

struct ScheduleInForce;

// cpos.vlr: the payoff schedules, one fixed-size record each, read only.
constexpr std::size_t kScheduleRecordSize = 5616;

// Byte offsets of the fields inside one schedule record.
namespace schedule_offsets {
constexpr std::size_t kScheduleNumber = 0;
constexpr std::size_t kReserved = 4;
constexpr std::size_t kAggregateLimit = 32;
constexpr std::size_t kTables = 40;  // the ten tables follow each other without gaps
// Where a table starts in the record.
std::size_t TableOffset(PayoffTable table);
}  // namespace schedule_offsets

// The ten tables, entry after entry, fill the record after its header.
static_assert(schedule_offsets::kTables + sizeof(PayoffTables) == kScheduleRecordSize);

std::vector<std::uint8_t> EncodeSchedule(const PayoffSchedule& schedule);
// `record` must hold kScheduleRecordSize bytes.
PayoffSchedule DecodeSchedule(const std::vector<std::uint8_t>& record);

// Reads one record; throws IoError ("File not found", "Read beyond end of file").
PayoffSchedule ReadSchedule(const QString& path, int record);

// Puts the aggregate limit and the ten tables of `record` in force. The state is
// changed only after the read succeeded; ScheduleNumber is left alone.
void LoadSchedule(ScheduleInForce& inForce, const QString& path, int record);

// The payoff schedules in the working directory.
inline const QString kSchedulesFile = QStringLiteral("cpos.vlr");

// Start-up: loads record 0 and also takes the schedule number it names.
void LoadStartupSchedule(ScheduleInForce& inForce, const QString& path);
