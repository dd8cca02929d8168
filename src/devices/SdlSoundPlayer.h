#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "devices/Mixer.h"
#include "devices/MusicSynth.h"
#include "devices/Recordings.h"
#include "game/SoundPlayer.h"
#include "game/Waiter.h"

// The real sounds: one SDL2 output device carries the recordings and the
// music, mixed by our Mixer, the music rendered by FluidSynth. Without a
// device the recordings go to a silent device that keeps their length, so the
// draw keeps the pace of the voice on every machine.
class SdlSoundPlayer : public SoundPlayer {
  public:
    struct Options {
        QString musicFile = QStringLiteral("Keno.Mid");  // in the working directory
        QString soundFont = QString::fromLatin1(MusicSynth::kDefaultSoundFont);
        int sampleRate = 44100;
        int bufferFrames = 512;  // about 12 ms at 44.1 kHz
    };

    // Blocking recordings wait through `waiter` (repainting, no input).
    explicit SdlSoundPlayer(Waiter& waiter) : SdlSoundPlayer(waiter, Options{}) {}
    SdlSoundPlayer(Waiter& waiter, Options options);
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void play(const QString& name, Wait wait) override;
    void startMusic() override;
    void stopMusic() override;

    // Told once, with the reason, the first time the music cannot be played.
    void setMusicFailureReport(std::function<void(const QString&)> report);

    // True when a real (or SDL dummy/disk) device plays; false on the silent device.
    bool hasDevice() const { return device_ != 0; }
    // Why there is no device, when there is none.
    const QString& deviceError() const { return deviceError_; }
    bool musicPlaying() const { return music_ && music_->playing(); }
    // For tests and benchmarks: what the audio thread has mixed.
    const Mixer& mixer() const { return *mixer_; }

  private:
    // Tests hold the device paused and call the callback in its place.
    friend class HandDrivenDevice;

    static void audioCallback(void* self, std::uint8_t* stream, int length);
    bool openDevice();
    // The reason, then what the game does without it.
    void reportMusicFailure(const QString& reason, const QString& goesOn = QStringLiteral(
                                                       "The game goes on without music."));
    void waitForEnd(std::uint64_t serial, int milliseconds);

    Waiter& waiter_;
    Options options_;
    std::uint32_t device_ = 0;
    QString deviceError_;
    std::unique_ptr<Mixer> mixer_;
    std::unique_ptr<MusicSynth> music_;
    bool soundFontLoaded_ = false;
    QString soundFontError_;
    Recordings recordings_;
    std::function<void(const QString&)> reportMusicFailure_;
    bool musicFailureReported_ = false;
};
