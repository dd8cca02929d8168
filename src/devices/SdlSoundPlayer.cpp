#include "devices/SdlSoundPlayer.h"

#include <SDL.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFile>
#include <QThread>

namespace {

// How much later than its length a blocking recording may end on a real
// device (the device's buffers), before the game goes on regardless.
constexpr int kDeviceSlackMilliseconds = 250;

// Holds the audio thread off while the game's thread changes what it mixes.
class DeviceLock {
  public:
    explicit DeviceLock(SDL_AudioDeviceID device) : device_(device) {
        if (device_ != 0) SDL_LockAudioDevice(device_);
    }
    ~DeviceLock() {
        if (device_ != 0) SDL_UnlockAudioDevice(device_);
    }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

  private:
    SDL_AudioDeviceID device_;
};

}  // namespace

SdlSoundPlayer::SdlSoundPlayer(Waiter& waiter, Options options)
    : waiter_(waiter), options_(std::move(options)) {
    if (!openDevice()) mixer_ = std::make_unique<Mixer>(options_.sampleRate);
}

SdlSoundPlayer::~SdlSoundPlayer() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlSoundPlayer::openDevice() {
    // SDL would otherwise catch SIGINT and SIGTERM and turn them into an event
    // nobody reads, and the game would outlive a logout or a plain kill.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        deviceError_ = QString::fromUtf8(SDL_GetError());
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = options_.sampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = static_cast<Uint16>(options_.bufferFrames);
    wanted.callback = &SdlSoundPlayer::audioCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // SDL converts to whatever the device wants; we always mix float stereo.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0) {
        deviceError_ = QString::fromUtf8(SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    mixer_ = std::make_unique<Mixer>(obtained.freq);
    // A blocking wait sleeps until an event arrives: the end of a recording
    // wakes the game's thread from the audio thread.
    QAbstractEventDispatcher* dispatcher =
        QAbstractEventDispatcher::instance(QThread::currentThread());
    mixer_->setOnRecordingEnd([dispatcher] {
        if (dispatcher) dispatcher->wakeUp();
    });
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlSoundPlayer::audioCallback(void* self, std::uint8_t* stream, int length) {
    auto* player = static_cast<SdlSoundPlayer*>(self);
    const int frames = length / static_cast<int>(2 * sizeof(float));
    player->mixer_->mix(reinterpret_cast<float*>(stream), frames);
}

void SdlSoundPlayer::play(const QString& name, Wait wait) {
    // A recording that cannot be played is skipped without a message.
    const std::shared_ptr<const Recording> recording = recordings_.get(name);
    if (!recording) return;
    std::uint64_t serial = 0;
    {
        DeviceLock lock(device_);
        serial = mixer_->start(recording);
    }
    if (wait == Wait::Yes) waitForEnd(serial, recording->milliseconds());
}

void SdlSoundPlayer::waitForEnd(std::uint64_t serial, int milliseconds) {
    if (device_ == 0) {
        // The silent device: the recording lasts as long as it would sound.
        waiter_.waitForSound([] { return false; }, milliseconds);
        return;
    }
    waiter_.waitForSound([this, serial] { return mixer_->finishedSerial() >= serial; },
                         milliseconds + kDeviceSlackMilliseconds);
}

void SdlSoundPlayer::setMusicFailureReport(std::function<void(const QString&)> report) {
    reportMusicFailure_ = std::move(report);
}

void SdlSoundPlayer::reportMusicFailure(const QString& reason, const QString& goesOn) {
    if (musicFailureReported_) return;
    musicFailureReported_ = true;
    // The player is told what he loses, so the box is not taken for the end of the game.
    if (reportMusicFailure_) reportMusicFailure_(reason + QLatin1Char(' ') + goesOn);
}

void SdlSoundPlayer::startMusic() {
    if (device_ == 0) {
        reportMusicFailure(QStringLiteral("There is no sound device (%1).").arg(deviceError_),
                           QStringLiteral("The game goes on without sounds or music."));
        return;
    }
    QFile file(options_.musicFile);
    if (!file.open(QIODevice::ReadOnly)) {
        reportMusicFailure(QStringLiteral("The music %1 could not be opened: %2.")
                               .arg(options_.musicFile, file.errorString()));
        return;
    }
    const QByteArray midi = file.readAll();
    QString reason;
    if (!music_) {
        // Loaded before the mixer sees the synthesiser, so the audio thread
        // is not held up while the soundfont is read.
        music_ = std::make_unique<MusicSynth>(mixer_->deviceRate());
        soundFontLoaded_ = music_->loadSoundFont(options_.soundFont, &soundFontError_);
        DeviceLock lock(device_);
        mixer_->setMusic(music_.get());
    }
    if (!soundFontLoaded_) {
        reportMusicFailure(QStringLiteral("The music cannot be played: %1.").arg(soundFontError_));
        return;
    }
    bool started = false;
    {
        DeviceLock lock(device_);
        started = music_->play(midi, &reason);
    }
    // Reported outside the lock: the report may wait for the player.
    if (!started)
        reportMusicFailure(
            QStringLiteral("The music %1 cannot be played: %2.").arg(options_.musicFile, reason));
}

void SdlSoundPlayer::stopMusic() {
    if (!music_) return;
    DeviceLock lock(device_);
    music_->stop();
}
