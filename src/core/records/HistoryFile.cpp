#include "core/records/HistoryFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <stdexcept>

#include "core/records/IoError.h"
#include "core/records/RecordFile.h"
#include "core/state/GameState.h"

namespace {

using namespace game_offsets;

QString displayName(const QString& path) { return QFileInfo(path).fileName(); }

bool isGameNumber(std::int64_t number) { return number >= 0 && number < kHistorySlots; }

// Why the file cannot be trusted with the numbering, or empty when it can.
QString damage(std::int64_t recordCount, const GameRecord* header) {
    if (recordCount < kHistoryRecords)
        return QStringLiteral("it holds %1 whole records of %2 bytes instead of %3")
            .arg(recordCount)
            .arg(kGameRecordSize)
            .arg(kHistoryRecords);
    if (header && !isGameNumber(header->GameNumber))
        return QStringLiteral("its last game number %1 is outside 0 to 999")
            .arg(header->GameNumber);
    return {};
}

// Opens the history, reads the header and refuses a damaged file.
GameRecord checkedHeader(RecordFile& file, const QString& path) {
    const std::int64_t count = file.recordCount();
    if (count < kHistoryRecords)
        throw IoError(displayName(path),
                      QStringLiteral("Damaged games history: ") + damage(count, nullptr));
    const GameRecord header = DecodeGameRecord(file.read(0));
    const QString reason = damage(count, &header);
    if (!reason.isEmpty())
        throw IoError(displayName(path), QStringLiteral("Damaged games history: ") + reason);
    return header;
}

GameRecord emptySlot(int gameNumber) {
    GameRecord slot;
    slot.GameNumber = gameNumber;
    return slot;
}

}  // namespace

std::vector<std::uint8_t> EncodeGameRecord(const GameRecord& record) {
    std::vector<std::uint8_t> out(kGameRecordSize, 0);
    bytes::WriteInt(out, kGameNumber, 4, record.GameNumber);
    bytes::WriteInt(out, kGameWin, 8, record.GameWin);
    for (int k = 1; k <= kSetCount; ++k) {
        const TicketSet& set = record.Sets[static_cast<std::size_t>(k)];
        const std::size_t at = kSets + static_cast<std::size_t>(k - 1) * kSetSize;
        for (std::size_t i = 0; i < set.Numbers.size(); ++i) out[at + i] = set.Numbers[i];
        out[at + TicketSet::kSlots] = set.Hits;
    }
    for (std::size_t i = 0; i < record.Drawn.size(); ++i) out[kDrawn + i] = record.Drawn[i];
    WriteBetFields(out, kBetFields, record);
    return out;
}

GameRecord DecodeGameRecord(const std::vector<std::uint8_t>& in) {
    if (in.size() != kGameRecordSize)
        throw std::invalid_argument("a games history record has 1800 bytes");
    GameRecord record;
    record.GameNumber = bytes::ReadInt32(in, kGameNumber);
    record.GameWin = bytes::ReadInt64(in, kGameWin);
    for (int k = 1; k <= kSetCount; ++k) {
        TicketSet& set = record.Sets[static_cast<std::size_t>(k)];
        const std::size_t at = kSets + static_cast<std::size_t>(k - 1) * kSetSize;
        for (std::size_t i = 0; i < set.Numbers.size(); ++i) set.Numbers[i] = in[at + i];
        set.Hits = in[at + TicketSet::kSlots];
    }
    for (std::size_t i = 0; i < record.Drawn.size(); ++i) record.Drawn[i] = in[kDrawn + i];
    static_cast<BetFields&>(record) = ReadBetFields(in, kBetFields);
    return record;
}

GameRecord SlotFromState(const GameState& state) {
    GameRecord slot;
    slot.GameNumber = state.GameNumber;
    slot.GameWin = state.GameWin;
    slot.Sets = state.Sets;
    slot.Sets[0] = TicketSet{};
    slot.Drawn = state.Drawn;
    static_cast<BetFields&>(slot) = BetFieldsOf(state);
    slot.PayoffSpots = PayoffSpotsOf(state);
    return slot;
}

GameRecord HeaderFromState(const GameState& state) {
    GameRecord header;
    header.GameNumber = state.GameNumber;
    header.GameWin = SettledBalance(state);
    return header;
}

Money SettledBalance(const GameState& state) {
    const std::int32_t unrecorded = std::max(state.GamesToGo, 0);
    return money::SaturatingAdd(state.Balance, money::Times(unrecorded, state.PricePerGame));
}

Money BalanceFromHeader(const GameRecord& header) {
    return header.PricePerWay == 0 ? header.GameWin : 0;
}

void CreateHistoryFile(const QString& path) {
    GameRecord header = emptySlot(kHistorySlots - 1);
    std::vector<std::uint8_t> all = EncodeGameRecord(header);
    all.reserve(kGameRecordSize * kHistoryRecords);
    for (int game = 0; game < kHistorySlots; ++game) {
        const auto slot = EncodeGameRecord(emptySlot(game));
        all.insert(all.end(), slot.begin(), slot.end());
    }
    // A history cut short by a full disk or a kill would be refused as damaged
    // on every later start; written whole, the next start simply tries again.
    WriteWholeFile(path, all);
}

namespace {

HistoryStartup recordingOff(const QString& text) {
    HistoryStartup result;
    result.recordingEnabled = false;
    result.warning = text + QStringLiteral(" Games played now are not recorded.");
    return result;
}

}  // namespace

HistoryStartup OpenHistoryAtStartup(RunState& run, const QString& path) {
    run.GameNumber = -1;
    // An empty file holds no game: what a start killed while creating it
    // left behind before the history was written whole.
    if (!RecordFile::exists(path) || RecordFile::isEmptyFile(path)) {
        try {
            CreateHistoryFile(path);
        } catch (const IoError& error) {
            return recordingOff(QStringLiteral("The games history %1 could not be created: %2.")
                                    .arg(error.fileName(), error.reason()));
        }
        return {};
    }
    std::int64_t count = 0;
    GameRecord header;
    try {
        RecordFile file(path, kGameRecordSize, RecordFile::Mode::Read);
        count = file.recordCount();
        if (count > 0) header = DecodeGameRecord(file.read(0));
    } catch (const IoError& error) {
        // Unreadable (a folder of that name, no permission): the game is
        // still playable, and the file is not touched.
        return recordingOff(QStringLiteral("The games history %1 cannot be read: %2.")
                                .arg(error.fileName(), error.reason()));
    }
    const QString reason = damage(count, count > 0 ? &header : nullptr);
    if (reason.isEmpty()) {
        run.GameNumber = header.GameNumber;
        run.Balance = BalanceFromHeader(header);
        return {};
    }
    // A header with a sound game number is still the player's balance.
    run.Balance = count > 0 && isGameNumber(header.GameNumber) ? BalanceFromHeader(header) : 0;
    return recordingOff(
        QStringLiteral("The games history %1 is damaged: %2. The file is left as it is.")
            .arg(displayName(path), reason));
}

std::array<RecordWrite, 2> PlanRecording(const GameState& state) {
    return {RecordWrite{state.GameNumber + 1, SlotFromState(state)},
            RecordWrite{0, HeaderFromState(state)}};
}

void RecordGame(const GameState& state, const QString& path) {
    if (!RecordFile::exists(path)) return;
    if (!isGameNumber(state.GameNumber))
        throw IoError(displayName(path),
                      QStringLiteral("Game number %1 has no slot").arg(state.GameNumber));
    RecordFile file(path, kGameRecordSize, RecordFile::Mode::ReadWrite);
    checkedHeader(file, path);
    // Synced in order: the disk never holds a header naming a slot it has not.
    for (const RecordWrite& write : PlanRecording(state)) {
        file.write(write.record, EncodeGameRecord(write.content));
        file.sync();
    }
}

HistoryContents ReadHistoryContents(const QString& path) {
    RecordFile file(path, kGameRecordSize, RecordFile::Mode::Read);
    HistoryContents contents;
    contents.header = checkedHeader(file, path);
    contents.games.reserve(kHistorySlots);
    const std::vector<std::uint8_t> all = file.readMany(1, kHistorySlots);
    std::vector<std::uint8_t> record(kGameRecordSize);
    for (auto at = all.begin(); at != all.end(); at += kGameRecordSize) {
        std::copy(at, at + kGameRecordSize, record.begin());
        contents.games.push_back(DecodeGameRecord(record));
    }
    return contents;
}

std::vector<GameRecord> ReadHistory(const QString& path) { return ReadHistoryContents(path).games; }
