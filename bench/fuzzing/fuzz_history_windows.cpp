// A games history of any content as the replay and ball frequency windows
// read it: the wording of a replayed game of every kind (a way ticket's
// tallies over the payoffs in force included), and the counts of the last N
// games as the arrows step N.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "FuzzHistory.h"
#include "core/records/BallFrequency.h"
#include "core/records/HistoryFile.h"
#include "core/records/IoError.h"
#include "core/replay/ReplayText.h"
#include "core/schedules/ScheduleDesign.h"

namespace {

FuzzHistoryFile& history() {
    static QTemporaryDir dir;
    static FuzzHistoryFile file(dir.filePath(QStringLiteral("Games.vlr")));
    return file;
}

// The payoffs in force before the input changes one entry: designed once.
const PayoffTables& designedPayoffs() {
    static const PayoffTables tables = schedule_design::Design(0).Tables;
    return tables;
}

// Every count belongs to one drawn byte of a counted slot.
void checkCounts(const frequency::BallCounts& counts) {
    long long total = 0;
    for (const int count : counts) {
        if (count < 0) std::abort();
        total += count;
    }
    if (total % 20 != 0 || total > 20LL * kHistorySlots) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    // The file's shape (bit 0: cut short, bit 1: count the balls too), the
    // game replayed, the steps of the frequency arrows, a payoff entry of
    // the schedule in force and its value; then the file.
    const std::uint8_t shape = input.byte();
    const std::uint16_t cut = static_cast<std::uint16_t>(input.byte() << 8 | input.byte());
    const int replayed = (input.byte() << 8 | input.byte()) % kHistorySlots;
    const std::uint8_t steps = input.byte();
    const std::uint8_t spots = input.byte();
    const std::uint8_t hits = input.byte();
    const Money entry = input.int64();

    const qsizetype fileSize = history().write(input, shape, cut);
    const QString& historyPath = history().path();

    PayoffTables payoffs = designedPayoffs();
    payoffs.RegularPayoffs[spots % payoffs.RegularPayoffs.size()][hits % 21] = entry;
    for (const int game : {replayed, 0, 1}) {
        try {
            if (const std::optional<GameRecord> record = replay::ReadGame(historyPath, game))
                replay::Lines(*record, payoffs);
        } catch (const IoError&) {
            if (fileSize >= static_cast<qsizetype>((game + 2) * kGameRecordSize))
                std::abort();  // the slot is there, yet reading it failed
        }
    }

    // Counting reads all 1000 slots, ten times the replay's work: the input
    // asks for it.
    if (!(shape & 2)) return 0;
    try {
        const frequency::FrequencyChart chart = frequency::OpenFrequencyChart(historyPath);
        checkCounts(chart.counts);
        frequency::GamesCounted games = chart.games;
        for (int step = 0; step < 8; ++step) {
            if (steps >> step & 1)
                games.stepUp();
            else
                games.stepDown();
            // Within 1..Max; with Max 0 (game 0 alone) the value stays at 0 or 1.
            if (games.n() < std::min(1, games.max()) || games.n() > std::max(games.max(), 1))
                std::abort();
        }
        // The arrows came back to the opening count: nothing new to read.
        if (games.n() != chart.games.n())
            checkCounts(frequency::CountBallsInFile(historyPath, games.n()));
    } catch (const IoError&) {
    }
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}
