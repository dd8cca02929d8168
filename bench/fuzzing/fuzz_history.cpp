// A games history of any content: the start-up reading, every history line
// and a recording on top, which must refuse a damaged file without writing
// and never change its length.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "FuzzInput.h"
#include "core/records/HistoryFile.h"
#include "core/records/HistorySummary.h"
#include "core/records/IoError.h"
#include "core/state/GameState.h"

namespace {

const QString& historyPath() {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Games.vlr"));
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input lies over a sound file from its start (header, then the first
    // slots); an odd first byte also cuts the file to a length it chooses.
    QByteArray content(static_cast<qsizetype>(kGameRecordSize * kHistoryRecords), '\0');
    for (int slot = 1; slot <= kHistorySlots; ++slot)
        content[static_cast<qsizetype>(slot * kGameRecordSize)] = static_cast<char>(slot - 1);
    content[0] = static_cast<char>(0xE7);  // header game 999
    content[1] = 3;
    FuzzInput input(data, size);
    const std::uint8_t shape = input.byte();
    const std::uint16_t cut = static_cast<std::uint16_t>(input.byte() << 8 | input.byte());
    for (qsizetype i = 0; input.left() > 0 && i < content.size(); ++i)
        content[i] = static_cast<char>(input.byte());
    if (shape & 1) content.truncate(static_cast<qsizetype>(cut) * 29);
    {
        QFile file(historyPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(content);
    }

    GameState state;
    const HistoryStartup startup = OpenHistoryAtStartup(state, historyPath());
    try {
        const std::vector<GameRecord> games = ReadHistory(historyPath());
        for (std::size_t slot = 0; slot < games.size(); ++slot)
            HistorySummaryLine(static_cast<int>(slot), games[slot]);
    } catch (const IoError&) {
        if (startup.recordingEnabled) std::abort();  // read at start-up, refused now
    }
    state.GameNumber = (state.GameNumber + 1) % kHistorySlots;
    state.Drawn.fill(1);
    try {
        RecordGame(state, historyPath());
        if (!startup.recordingEnabled) std::abort();  // a damaged file was written
    } catch (const IoError&) {
    }
    if (QFile(historyPath()).size() != content.size()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}
