#include <gtest/gtest.h>

#include "TableFakes.h"
#include "game/SoundSettings.h"

namespace {

class ToggleLooks : public SoundSettingsView {
  public:
    void showMusicToggle(bool on) override { music.append(on); }
    void showSoundsToggle(bool on) override { sounds.append(on); }
    QList<bool> music, sounds;
};

struct SoundSettingsTest : ::testing::Test {
    GameState state;
    RecordingSoundPlayer player;
    StepLog log;
    FakeWaiter waiter{log};
    ToggleLooks looks;
    SoundSettings settings{state, player, waiter, looks};
};

TEST_F(SoundSettingsTest, MusicSwitchedInTheWindowIsHeardAtOnceAndCancelUndoesIt) {
    settings.open();
    settings.onMusicTogglePressed();  // off: stops at once
    settings.onMusicTogglePressed();  // on again: from the beginning
    settings.onMusicTogglePressed();  // off
    EXPECT_EQ(looks.music, (QList<bool>{true, false, true, false}));
    settings.close();  // CANCEL: back on, from the beginning
    EXPECT_EQ(player.requests, (QStringList{"music off", "music on", "music off", "music on"}));
    EXPECT_TRUE(state.MusicOn);
    EXPECT_TRUE(settings.musicPlaying());
    EXPECT_EQ(waiter.inputWaits, 3);

    // OK keeps it off, and closing changes nothing more.
    player.requests.clear();
    settings.open();
    settings.onMusicTogglePressed();
    settings.commit();
    settings.close();
    EXPECT_EQ(player.requests, QStringList{"music off"});
    EXPECT_FALSE(state.MusicOn);
    EXPECT_TRUE(SoundSettings::menuChecked(state));  // the sounds are still on
}

TEST_F(SoundSettingsTest, DemonstrationsPlayWithSoundsOffAndTheMarkFollowsBothSwitches) {
    state.SoundsOn = false;
    state.MusicOn = false;
    settings.open();
    EXPECT_FALSE(SoundSettings::menuChecked(state));
    settings.onSoundsTogglePressed();  // on: the demonstration without waiting
    settings.onSoundsTogglePressed();  // off
    EXPECT_EQ(player.requests, (QStringList{"WAVE_87", "WAVE_86"}));
    EXPECT_EQ(looks.sounds, (QList<bool>{false, true, false}));
    settings.onSoundsTogglePressed();
    settings.commit();
    settings.close();
    EXPECT_TRUE(state.SoundsOn);
    EXPECT_FALSE(state.MusicOn);
    EXPECT_TRUE(SoundSettings::menuChecked(state));
    EXPECT_EQ(player.requests.size(), 3);  // the music was never touched
}

}  // namespace
