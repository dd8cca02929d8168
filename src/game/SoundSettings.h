#pragma once

#include "core/state/GameState.h"
#include "game/SoundPlayer.h"
#include "game/Waiter.h"

// What the Sounds window shows; each call paints and updates the window at once.
class SoundSettingsView {
  public:
    virtual ~SoundSettingsView() = default;
    virtual void showMusicToggle(bool on) = 0;  // pressed + "BACKGROUND ON", or raised + "... OFF"
    virtual void showSoundsToggle(
        bool on) = 0;  // pressed + "KENO SOUNDS ON", or raised + "... OFF"
};

// The Sounds window's logic: two toggles over working copies of the switches,
// the music heard at once, committed by OK and undone by any other close.
class SoundSettings {
  public:
    SoundSettings(SessionSettings& settings, SoundPlayer& sounds, Waiter& waiter,
                  SoundSettingsView& view);

    // Opening: the working copies from the switches, both toggles painted.
    void open();
    // A toggle pressed with the left button alone: its look, the wait for the
    // release, then its new setting.
    void onMusicTogglePressed();
    void onSoundsTogglePressed();
    // OK: the working copies become the switches.
    void commit();
    // Any close (OK, CANCEL, the close box): the music follows MusicOn again.
    void close();

    // "&Keno Sounds" is checked while either switch is on.
    static bool menuChecked(const SessionSettings& settings) {
        return settings.MusicOn || settings.SoundsOn;
    }
    // Whether the music is meant to play now (the working copy of MusicOn).
    bool musicPlaying() const { return musicPlaying_; }

  private:
    SessionSettings& settings_;
    SoundPlayer& sounds_;
    Waiter& waiter_;
    SoundSettingsView& view_;
    // The working copies of the two switches while the window is open.
    bool musicPlaying_ = true;
    bool soundsPending_ = true;
};
