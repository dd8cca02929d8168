#include "game/RunSeams.h"

#include "core/records/HistoryFile.h"

void HistoryRecorder::record(const GameState& state) {
    if (on_) RecordGame(state, path_);
}
