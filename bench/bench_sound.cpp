// The sound device's speed: how long a request waits for its first sample to
// reach the device buffer, and what the music costs while it plays. Runs on
// SDL's dummy driver (or the driver named by SDL_AUDIODRIVER).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <thread>

#include "core/sound/KenoTune.h"
#include "devices/MusicSynth.h"
#include "devices/QtWaiter.h"
#include "devices/SdlSoundPlayer.h"

namespace {

using Clock = std::chrono::steady_clock;

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// From play() to the mixer putting the recording's first sample into the
// buffer the device asked for. The call-out should start within a frame.
void BM_RequestToFirstSample(benchmark::State& bench) {
    QtWaiter waiter;
    SdlSoundPlayer player(waiter);
    if (!player.hasDevice()) {
        bench.SkipWithError("no audio device");
        return;
    }
    const Mixer& mixer = player.mixer();
    double worst = 0;
    std::uint64_t serial = 0;
    for (auto _ : bench) {
        const Clock::time_point start = Clock::now();
        player.play(QStringLiteral("WAVE_1"), SoundPlayer::Wait::No);
        ++serial;
        while (mixer.startedSerial() < serial) std::this_thread::yield();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        worst = std::max(worst, seconds);
        bench.SetIterationTime(seconds);
    }
    bench.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(BM_RequestToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

// Rendering the tune alone, as fast as it goes: CPU per second of music.
void BM_MusicRenderOneSecond(benchmark::State& bench) {
    MusicSynth music(44100);
    QString reason;
    if (!music.loadSoundFont(QString::fromLatin1(MusicSynth::kDefaultSoundFont), &reason) ||
        !music.play(WriteMidiFile(KenoTune()), &reason)) {
        bench.SkipWithError(reason.toStdString().c_str());
        return;
    }
    std::vector<float> buffer(2 * 512);
    for (auto _ : bench)
        for (int frames = 0; frames < 44100; frames += 512) music.render(buffer.data(), 512);
    bench.counters["percent_of_a_core"] = benchmark::Counter(
        100.0 * static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MusicRenderOneSecond)->Unit(benchmark::kMillisecond);

// The whole process while the music plays on the device for three seconds:
// CPU seconds per second of music, in percent of one core.
void BM_MusicPlayingOnTheDevice(benchmark::State& bench) {
    QTemporaryDir dir;
    QFile tune(dir.filePath(QStringLiteral("Keno.Mid")));
    if (!tune.open(QIODevice::WriteOnly)) return;
    tune.write(WriteMidiFile(KenoTune()));
    tune.close();
    QtWaiter waiter;
    SdlSoundPlayer::Options options;
    options.musicFile = tune.fileName();
    SdlSoundPlayer player(waiter, options);
    player.startMusic();
    if (!player.musicPlaying()) {
        bench.SkipWithError("the music does not play");
        return;
    }
    double percent = 0;
    for (auto _ : bench) {
        const double cpuBefore = processCpuSeconds();
        const Clock::time_point start = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(3));
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        percent = 100.0 * (processCpuSeconds() - cpuBefore) / wall;
    }
    bench.counters["percent_of_a_core"] = percent;
}
BENCHMARK(BM_MusicPlayingOnTheDevice)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
