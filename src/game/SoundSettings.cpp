#include "game/SoundSettings.h"

SoundSettings::SoundSettings(SessionSettings& settings, SoundPlayer& sounds, Waiter& waiter,
                             SoundSettingsView& view)
    : settings_(settings), sounds_(sounds), waiter_(waiter), view_(view) {}

void SoundSettings::open() {
    musicPlaying_ = settings_.MusicOn;
    soundsPending_ = settings_.SoundsOn;
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
        PlayGameSound(sounds_, settings_.SoundsOn, {sounds::Cue::DemoSoundsOn});
    }
    waiter_.waitForInput();
    if (wasOn) {
        PlayGameSound(sounds_, settings_.SoundsOn, {sounds::Cue::DemoSoundsOff});
        view_.showSoundsToggle(false);
        soundsPending_ = false;
    } else {
        soundsPending_ = true;
    }
}

void SoundSettings::commit() {
    settings_.MusicOn = musicPlaying_;
    settings_.SoundsOn = soundsPending_;
}

void SoundSettings::close() {
    if (musicPlaying_ == settings_.MusicOn) return;
    musicPlaying_ = settings_.MusicOn;
    if (settings_.MusicOn)
        sounds_.startMusic();
    else
        sounds_.stopMusic();
}
