// A 1000-game run on the real main window, off screen: every cell repaint,
// status box, centre message and window update the cycle asks for, plus the
// games history written after each game. Sounds off, no pauses.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/GameStartup.h"
#include "core/records/HistoryFile.h"
#include "core/records/ScheduleFile.h"
#include "core/schedules/ScheduleDesign.h"
#include "core/ticket/BetControls.h"
#include "devices/QtWaiter.h"
#include "game/GameCycle.h"
#include "game/SoundPlayer.h"
#include "game/TableControls.h"
#include "game/TicketBuilder.h"
#include "shell/HelpViewer.h"
#include "windows/TableWindow.h"

namespace {

void writeSchedule(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    const std::vector<std::uint8_t> bytes = EncodeSchedule(schedule_design::Design(0));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

void BM_ThousandGameRunOnTheMainWindow(benchmark::State& bench) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    writeSchedule(kSchedulesFile);
    for (auto _ : bench) {
        bench.PauseTiming();
        QFile::remove(kGamesFile);
        GameState state;
        SilentSoundPlayer sound;
        HelpViewer help{HelpFile{}};
        QtWaiter waiter;
        const StartedTable started = OpenTable(state, sound, help, waiter, QSize(1024, 768));
        TableWindow& keno = *started.table;
        keno.show();
        state.SoundsOn = false;
        for (int n : {5, 17, 23, 38, 44, 61, 79}) keno.tickets().onCellPressed(n);
        state.NumberOfGames = 1000;
        bet::UpdateTotals(state);
        bench.ResumeTiming();
        keno.cycle().play();
        benchmark::DoNotOptimize(state.Balance);
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_ThousandGameRunOnTheMainWindow)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
