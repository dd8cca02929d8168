#include <SDL.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <csignal>

#include "core/sound/MidiFile.h"
#include "devices/Mixer.h"
#include "devices/MusicSynth.h"
#include "devices/QtWaiter.h"
#include "devices/SdlSoundPlayer.h"

namespace {

constexpr int kRate = 44100;

// A tune of one organ note of 0.1 s that ends at 0.5 s.
QByteArray shortTune() {
    MidiSong song;
    song.ticksPerQuarter = 480;
    song.beatsPerMinute = 120;  // 960 ticks a second
    song.endTick = 480;
    song.tracks.push_back({QStringLiteral("Organ"), 0, 19, 127, 64, {{0, 96, 72, 120}}});
    return WriteMidiFile(song);
}

double rms(const std::vector<float>& stereo, double fromSeconds, double toSeconds) {
    const auto from = static_cast<std::size_t>(fromSeconds * kRate) * 2;
    const auto to = static_cast<std::size_t>(toSeconds * kRate) * 2;
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += stereo[i] * stereo[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

// Records the length of each wait for a sound instead of waiting.
class SoundWaitLog : public Waiter {
  public:
    bool waitUntil(const std::function<bool()>&, int) override { return true; }
    bool waitForSound(const std::function<bool()>&, int milliseconds) override {
        waits.push_back(milliseconds);
        return true;
    }
    bool processPending() override { return true; }
    void waitForInput() override {}
    std::vector<int> waits;
};

// Without a device driver SDL cannot open anything: the silent device.
class NoAudioDevice {
  public:
    NoAudioDevice() : previous_(qgetenv("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
    }
    ~NoAudioDevice() { qputenv("SDL_AUDIODRIVER", previous_); }

  private:
    QByteArray previous_;
};

TEST(MixerTest, ARecordingLastsItsLengthAtTheDeviceRateAndEndsOnce) {
    auto recording = std::make_shared<Recording>();
    recording->sampleRate = 11025;
    recording->samples.assign(1000, 0.5f);
    Mixer mixer(kRate);
    const std::uint64_t serial = mixer.start(recording);
    std::vector<float> buffer(2 * 64);
    int frames = 0;
    while (mixer.finishedSerial() < serial && frames < kRate) {
        mixer.mix(buffer.data(), 64);
        frames += 64;
    }
    // 1000 samples at a quarter of the device rate: 4000 frames, to the buffer.
    EXPECT_GE(frames, 4000);
    EXPECT_LT(frames, 4000 + 64);
    EXPECT_FLOAT_EQ(buffer[2 * 63], 0.0f);  // the last buffer ends in silence
    EXPECT_EQ(mixer.cutOff(), 0);
}

TEST(MusicSynthTest, TheTuneStartsAgainAtItsEnd) {
    MusicSynth music(kRate);
    QString reason;
    ASSERT_TRUE(music.loadSoundFont(QString::fromLatin1(MusicSynth::kDefaultSoundFont), &reason))
        << reason.toStdString();
    ASSERT_TRUE(music.play(shortTune(), &reason)) << reason.toStdString();
    // Two seconds rendered as fast as the machine goes: four times round.
    std::vector<float> stereo(static_cast<std::size_t>(2 * kRate * 2));
    for (int at = 0; at + 256 <= 2 * kRate; at += 256) music.render(stereo.data() + 2 * at, 256);
    const double quiet = rms(stereo, 0.35, 0.48);
    for (double start : {0.0, 0.5, 1.0, 1.5})
        EXPECT_GT(rms(stereo, start + 0.01, start + 0.09), 4 * quiet + 1e-4) << "at " << start;

    music.stop();
    EXPECT_FALSE(music.playing());
    EXPECT_FALSE(music.play(QByteArray("not midi"), &reason));
}

}  // namespace

// The player's device held paused: a wait for a sound mixes buffers of the
// device's size in the audio thread's place until the sound ends or its time
// is up, so frames are counted without the pace of a real device.
class HandDrivenDevice : public Waiter {
  public:
    static constexpr int kBufferFrames = 512;

    void drive(SdlSoundPlayer& player) {
        player_ = &player;
        SDL_PauseAudioDevice(player.device_, 1);
    }
    bool waitUntil(const std::function<bool()>&, int) override { return true; }
    bool waitForSound(const std::function<bool()>& done, int milliseconds) override {
        const auto limit = static_cast<std::uint64_t>(milliseconds) *
                           static_cast<std::uint64_t>(player_->mixer().deviceRate()) / 1000;
        std::vector<float> buffer(2 * kBufferFrames);
        std::uint64_t frames = 0;
        for (; !done() && frames < limit; frames += kBufferFrames)
            SdlSoundPlayer::audioCallback(player_, reinterpret_cast<std::uint8_t*>(buffer.data()),
                                          static_cast<int>(buffer.size() * sizeof(float)));
        waited.push_back(frames);
        return true;
    }
    bool processPending() override { return true; }
    void waitForInput() override {}

    std::vector<std::uint64_t> waited;  // frames mixed in each wait

  private:
    SdlSoundPlayer* player_ = nullptr;
};

namespace {

TEST(SdlSoundPlayerTest, ABlockingRecordingLastsItsLengthANonBlockingOneDoesNot) {
    HandDrivenDevice device;
    SdlSoundPlayer player(device);
    ASSERT_TRUE(player.hasDevice()) << player.deviceError().toStdString();
    device.drive(player);
    const Mixer& mixer = player.mixer();
    // Frames of a sound of this length, mixed to the end of its last buffer.
    const auto lasting = [&mixer](double seconds) {
        const double frames = seconds * mixer.deviceRate();
        return ::testing::AllOf(
            ::testing::Ge(static_cast<std::uint64_t>(frames)),
            ::testing::Lt(static_cast<std::uint64_t>(frames + HandDrivenDevice::kBufferFrames)));
    };

    // WAVE_82 lasts 0.3 s, WAVE_83 0.09 s.
    player.play(QStringLiteral("WAVE_82"), SoundPlayer::Wait::Yes);
    ASSERT_EQ(device.waited.size(), 1u);
    EXPECT_THAT(device.waited[0], lasting(0.3));
    EXPECT_EQ(mixer.finishedSerial(), 1u);

    player.play(QStringLiteral("WAVE_82"), SoundPlayer::Wait::No);
    EXPECT_EQ(device.waited.size(), 1u);
    // A blocking one cuts it off and the wait is its own, not the longer one's.
    player.play(QStringLiteral("WAVE_83"), SoundPlayer::Wait::Yes);
    EXPECT_EQ(mixer.cutOff(), 1);
    ASSERT_EQ(device.waited.size(), 2u);
    EXPECT_THAT(device.waited[1], lasting(0.09));
    EXPECT_EQ(mixer.finishedSerial(), 3u);

    // A name that is not a recording is skipped.
    player.play(QStringLiteral("WAVE_150"), SoundPlayer::Wait::Yes);
    EXPECT_EQ(device.waited.size(), 2u);
    EXPECT_EQ(mixer.finishedSerial(), 3u);
}

TEST(SdlSoundPlayerTest, TheSoundDeviceLeavesTermAndInterruptToEndTheGame) {
    QtWaiter waiter;
    SdlSoundPlayer player(waiter);
    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
}

TEST(SdlSoundPlayerTest, WithoutADeviceRecordingsKeepTheirLengthAndMusicFailsOnce) {
    NoAudioDevice none;
    SoundWaitLog waiter;
    SdlSoundPlayer player(waiter);
    EXPECT_FALSE(player.hasDevice());
    QStringList reports;
    player.setMusicFailureReport([&reports](const QString& reason) { reports.append(reason); });

    player.play(QStringLiteral("WAVE_82"), SoundPlayer::Wait::Yes);
    player.play(QStringLiteral("WAVE_83"), SoundPlayer::Wait::No);
    EXPECT_EQ(waiter.waits, std::vector<int>{300});

    player.startMusic();
    player.startMusic();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("no sound device"))) << reports[0].toStdString();
    EXPECT_TRUE(reports[0].endsWith(QStringLiteral("goes on without sounds or music.")));
}

TEST(SdlSoundPlayerTest, MusicFromTheFileLoopsUntilStoppedAndAMissingFileIsReported) {
    QTemporaryDir dir;
    QFile tune(dir.filePath(QStringLiteral("Keno.Mid")));
    ASSERT_TRUE(tune.open(QIODevice::WriteOnly));
    tune.write(shortTune());
    tune.close();

    QtWaiter waiter;
    SdlSoundPlayer::Options options;
    options.musicFile = tune.fileName();
    QStringList reports;
    {
        SdlSoundPlayer player(waiter, options);
        player.setMusicFailureReport([&reports](const QString& reason) { reports.append(reason); });
        player.startMusic();
        EXPECT_TRUE(player.musicPlaying());
        player.stopMusic();
        EXPECT_FALSE(player.musicPlaying());
        EXPECT_TRUE(reports.isEmpty());
    }  // one device at a time

    options.musicFile = dir.filePath(QStringLiteral("missing.mid"));
    SdlSoundPlayer without(waiter, options);
    without.setMusicFailureReport([&reports](const QString& reason) { reports.append(reason); });
    without.startMusic();
    without.startMusic();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("missing.mid"))) << reports[0].toStdString();
    EXPECT_TRUE(reports[0].endsWith(QStringLiteral("goes on without music.")));
}

}  // namespace
