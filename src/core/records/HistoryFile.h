#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "core/records/BetFields.h"
#include "core/state/Money.h"
#include "core/state/TicketSet.h"

struct GameState;

// Games.vlr: record 0 is the header, records 1..1000 hold the games 0..999.
constexpr std::size_t kGameRecordSize = 1800;
constexpr int kHistorySlots = 1000;
constexpr int kHistoryRecords = kHistorySlots + 1;

// Byte offsets of the fields inside one games history record.
namespace game_offsets {
constexpr std::size_t kGameNumber = 0;
constexpr std::size_t kGameWin = 4;  // the header keeps the balance here
constexpr std::size_t kSets = 12;    // 80 sets of 20 numbers and a hits byte
constexpr std::size_t kSetSize = 21;
constexpr std::size_t kDrawn = 1692;
// The ticket and bet fields, laid out as BetFields lays them out.
constexpr std::size_t kBetFields = 1712;
constexpr std::size_t kKindCode = kBetFields + bet_offsets::kKindCode;
}  // namespace game_offsets

// One record of the games history: a played game, or the header (game number
// of the last game recorded and the balance in GameWin, all else zero). The
// ticket and bet fields follow the sets and the drawn balls.
struct GameRecord : BetFields {
    std::int32_t GameNumber = 0;
    Money GameWin = 0;
    TicketSets Sets{};  // Sets[1..80]; index 0 is not stored
    std::array<std::uint8_t, 20> Drawn{};

    // An unplayed slot has no first ball.
    bool played() const { return Drawn[0] != 0; }
    bool operator==(const GameRecord&) const = default;
};

std::vector<std::uint8_t> EncodeGameRecord(const GameRecord& record);
// `bytes` must hold kGameRecordSize bytes. A kind code longer than 2 is cut to 2.
GameRecord DecodeGameRecord(const std::vector<std::uint8_t>& bytes);

// The game slot and the header as the recorder writes them for the state.
GameRecord SlotFromState(const GameState& state);
GameRecord HeaderFromState(const GameState& state);
// The balance a stop at this moment leaves the player: PLAY takes the whole
// run's price at once, so the price of the run's games not yet recorded is
// given back. The header always holds this balance.
Money SettledBalance(const GameState& state);
// The header's balance: a header with a price at offset 1712 is not ours, so 0.
Money BalanceFromHeader(const GameRecord& header);

// A new history: header for game 999 with balance 0, then the 1000 empty slots,
// written under another name, synced and renamed into place: whole or not at all.
void CreateHistoryFile(const QString& path);

// The games history in the working directory.
inline const QString kGamesFile = QStringLiteral("Games.vlr");

struct HistoryStartup {
    QString warning;               // non-empty when the file is damaged
    bool recordingEnabled = true;  // false: leave the file alone this session
};

// Start-up: creates the file when missing or empty (GameNumber -1), else takes
// GameNumber and Balance from the header. A damaged file (header game number
// outside 0..999, fewer than 1001 records), one that cannot be read or one
// that cannot be created (a full disk leaves no part of it behind) is left
// untouched: the warning names it and the reason, recording is off and the
// numbering starts at 000.
HistoryStartup OpenHistoryAtStartup(RunState& run, const QString& path);

// One write of the recorder, in the order they are made.
struct RecordWrite {
    std::int64_t record = 0;
    GameRecord content;
};
// The slot comes first, so an interrupted recording never leaves the header
// naming a game whose slot was not written.
std::array<RecordWrite, 2> PlanRecording(const GameState& state);

// Records the game just settled (its payoff spots by PayoffSpotsOf): writes the
// slot and the header, each synced to the disk before the next; the state is
// left as it is. A missing file is skipped silently. Throws
// IoError when GameNumber has no slot or the file is damaged; nothing is written then.
void RecordGame(const GameState& state, const QString& path);

// The header and the 1000 game slots in file order (game 0 first). Throws
// IoError on a missing or damaged file (fewer than 1001 records, a header
// game number outside 0..999), so the header's game number always names a slot.
struct HistoryContents {
    GameRecord header;
    std::vector<GameRecord> games;
    int lastGame() const { return header.GameNumber; }
};
HistoryContents ReadHistoryContents(const QString& path);
std::vector<GameRecord> ReadHistory(const QString& path);
