#include "game/SoundSettings.h"

SoundSettings::SoundSettings(GameState& state, SoundPlayer& sounds, Waiter& waiter,
                             SoundSettingsView& view)
    : state_(state), sounds_(sounds), waiter_(waiter), view_(view) {}

void SoundSettings::open() {
    state_.MusicPlaying = state_.MusicOn;
    state_.SoundsPending = state_.SoundsOn;
    view_.showMusicToggle(state_.MusicPlaying);
    view_.showSoundsToggle(state_.SoundsPending);
}

void SoundSettings::onMusicTogglePressed() {
    const bool wasOn = state_.MusicPlaying;
    if (!wasOn) {
        view_.showMusicToggle(true);
        sounds_.startMusic();
    }
    waiter_.waitForInput();
    if (wasOn) {
        view_.showMusicToggle(false);
        state_.MusicPlaying = false;
        sounds_.stopMusic();
    } else {
        state_.MusicPlaying = true;
    }
}

void SoundSettings::onSoundsTogglePressed() {
    const bool wasOn = state_.SoundsPending;
    if (!wasOn) {
        view_.showSoundsToggle(true);
        PlayGameSound(sounds_, state_.SoundsOn, {sounds::Cue::DemoSoundsOn});
    }
    waiter_.waitForInput();
    if (wasOn) {
        PlayGameSound(sounds_, state_.SoundsOn, {sounds::Cue::DemoSoundsOff});
        view_.showSoundsToggle(false);
        state_.SoundsPending = false;
    } else {
        state_.SoundsPending = true;
    }
}

void SoundSettings::commit() {
    state_.MusicOn = state_.MusicPlaying;
    state_.SoundsOn = state_.SoundsPending;
}

void SoundSettings::close() {
    if (state_.MusicPlaying == state_.MusicOn) return;
    state_.MusicPlaying = state_.MusicOn;
    if (state_.MusicOn)
        sounds_.startMusic();
    else
        sounds_.stopMusic();
}
