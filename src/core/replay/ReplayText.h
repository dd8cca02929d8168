#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/records/HistoryFile.h"
#include "core/state/PayoffTables.h"

// One recorded game written out as sentences, for the replay window and the
// command line.
namespace replay {

// "Game #007", "Game #042", "Game #999".
QString Caption(int gameIndex);

// The game shown after PREVIOUS and NEXT: the 1000 slots form a ring.
int PreviousGame(int gameIndex);
int NextGame(int gameIndex);

// Every line of the text box for this record, by its kind and kind code. The
// way ticket's payoffs come from `payoffs` (the schedule in force now). A kind
// byte of no kind, or a Forty code other than T, B, L, R, writes nothing.
// Damaged counts never reach past a set, the draw or a payoff table.
QStringList Lines(const GameRecord& record, const PayoffTables& payoffs);

// The slot of `gameIndex` (0..999), or nothing when the file does not exist.
// Throws IoError when the file is shorter than the slot.
std::optional<GameRecord> ReadGame(const QString& path, int gameIndex);

}  // namespace replay
