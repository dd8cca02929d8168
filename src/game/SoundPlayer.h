#pragma once

#include <QString>
#include <QStringList>

#include "core/sound/SoundCatalogue.h"

// Every sound request of the game goes through this seam. The real player
// mixes recordings and music into one audio stream; tests use the recorder.
class SoundPlayer {
  public:
    enum class Wait { No, Yes };

    virtual ~SoundPlayer() = default;

    // Plays a recording by resource name ("WAVE_83"). With Wait::Yes the call
    // returns when the recording has finished; a blocking sound cuts off any
    // recording still playing, a non-blocking one replaces it.
    virtual void play(const QString& name, Wait wait) = 0;
    virtual void startMusic() = 0;
    virtual void stopMusic() = 0;

    // Plays a catalogue sound in the catalogue's mode.
    void request(const sounds::Request& sound) {
        play(sound.name(), sounds::Blocks(sound.cue) ? Wait::Yes : Wait::No);
    }
};

// The one gate of the game's sounds: nothing plays while the game sounds are
// off, except the demonstrations of the Sounds window.
inline void PlayGameSound(SoundPlayer& player, bool soundsOn, const sounds::Request& sound) {
    if (soundsOn || sounds::PlaysWhenSoundsOff(sound.cue)) player.request(sound);
}

// Plays nothing.
class SilentSoundPlayer : public SoundPlayer {
  public:
    void play(const QString&, Wait) override {}
    void startMusic() override {}
    void stopMusic() override {}
};

// Lists every request in order: "WAVE_83", "WAVE_84 wait", "music on", "music off".
class RecordingSoundPlayer : public SoundPlayer {
  public:
    void play(const QString& name, Wait wait) override {
        requests.append(wait == Wait::Yes ? name + QStringLiteral(" wait") : name);
    }
    void startMusic() override { requests.append(QStringLiteral("music on")); }
    void stopMusic() override { requests.append(QStringLiteral("music off")); }

    QStringList requests;
};
