// A games history of any content: the start-up reading, every history line
// and a recording on top, which must refuse a damaged file without writing
// and never change its length.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "FuzzHistory.h"
#include "core/records/HistoryFile.h"
#include "core/records/HistorySummary.h"
#include "core/records/IoError.h"
#include "core/state/GameState.h"

namespace {

FuzzHistoryFile& history() {
    static QTemporaryDir dir;
    static FuzzHistoryFile file(dir.filePath(QStringLiteral("Games.vlr")));
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input lies over a sound file; its first bytes may cut it short.
    FuzzInput input(data, size);
    const std::uint8_t shape = input.byte();
    const std::uint16_t cut = static_cast<std::uint16_t>(input.byte() << 8 | input.byte());
    const qsizetype fileSize = history().write(input, shape, cut);
    const QString& historyPath = history().path();

    GameState state;
    const HistoryStartup startup = OpenHistoryAtStartup(state, historyPath);
    try {
        const std::vector<GameRecord> games = ReadHistory(historyPath);
        for (std::size_t slot = 0; slot < games.size(); ++slot)
            HistorySummaryLine(static_cast<int>(slot), games[slot]);
    } catch (const IoError&) {
        if (startup.recordingEnabled) std::abort();  // read at start-up, refused now
    }
    state.GameNumber = (state.GameNumber + 1) % kHistorySlots;
    state.Drawn.fill(1);
    history().changed();
    try {
        RecordGame(state, historyPath);
        if (!startup.recordingEnabled) std::abort();  // a damaged file was written
    } catch (const IoError&) {
    }
    if (QFile(historyPath).size() != fileSize) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}
