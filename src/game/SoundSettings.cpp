#include "game/SoundSettings.h"

SoundSettings::SoundSettings(GameState& state, SoundPlayer& sounds, Waiter& waiter,
                             SoundSettingsView& view)
    : state_(state), sounds_(sounds), waiter_(waiter), view_(view) {}

void SoundSettings::open() {
    musicPlaying_ = state_.MusicOn;
    soundsPending_ = state_.SoundsOn;
    view_.showMusicToggle(musicPlaying_);
    view_.showSoundsToggle(soundsPending_);
}

void SoundSettings::onMusicTogglePressed() {
    const bool wasOn = musicPlaying_;
    if (!wasOn) {
        view_.showMusicToggle(true);
        sounds_.startMusic();
    }
    waiter_.waitForInput();
    if (wasOn) {
        view_.showMusicToggle(false);
        musicPlaying_ = false;
        sounds_.stopMusic();
    } else {
        musicPlaying_ = true;
    }
}

void SoundSettings::onSoundsTogglePressed() {
    const bool wasOn = soundsPending_;
    if (!wasOn) {
        view_.showSoundsToggle(true);
        PlayGameSound(sounds_, state_.SoundsOn, {sounds::Cue::DemoSoundsOn});
    }
    waiter_.waitForInput();
    if (wasOn) {
        PlayGameSound(sounds_, state_.SoundsOn, {sounds::Cue::DemoSoundsOff});
        view_.showSoundsToggle(false);
        soundsPending_ = false;
    } else {
        soundsPending_ = true;
    }
}

void SoundSettings::commit() {
    state_.MusicOn = musicPlaying_;
    state_.SoundsOn = soundsPending_;
}

void SoundSettings::close() {
    if (musicPlaying_ == state_.MusicOn) return;
    musicPlaying_ = state_.MusicOn;
    if (state_.MusicOn)
        sounds_.startMusic();
    else
        sounds_.stopMusic();
}
