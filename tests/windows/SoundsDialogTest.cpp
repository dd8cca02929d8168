#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "TableWindowFixture.h"
#include "windows/SoundsDialog.h"

namespace {

class SoundsDialogTest : public TableWindowFixture {
  protected:
    // Runs `clicks` on the Sounds window once "&Keno Sounds" has opened it.
    void openSounds(TableWindow& keno, const std::function<void(SoundsDialog&)>& clicks) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<SoundsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            opened = true;
            clicks(*form);
        });
        keno.menu().kenoSounds->trigger();
        EXPECT_TRUE(opened);
    }
    static void press(PictureControl* control) {
        Q_EMIT control->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    }
};

TEST_F(SoundsDialogTest, TheMenuOpensTheWindowAndThenShowsWhetherAnythingIsOn) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    sound_.requests.clear();

    openSounds(keno, [](SoundsDialog& form) {
        EXPECT_EQ(form.windowTitle(), "Sounds");
        EXPECT_EQ(form.musicLabel->text(), "BACKGROUND ON");
        EXPECT_EQ(form.soundsLabel->text(), "KENO SOUNDS ON");
        press(form.musicToggle);
        press(form.soundsToggle);
        EXPECT_EQ(form.musicLabel->text(), "BACKGROUND OFF");
        EXPECT_EQ(form.soundsLabel->text(), "KENO SOUNDS OFF");
        press(form.okButton);
    });
    EXPECT_FALSE(state_.MusicOn);
    EXPECT_FALSE(state_.SoundsOn);
    EXPECT_FALSE(keno.menu().kenoSounds->isChecked());
    EXPECT_EQ(sound_.requests, (QStringList{"music off", "WAVE_86"}));

    // Switched on and cancelled: heard at once, then undone; the mark stays off.
    sound_.requests.clear();
    openSounds(keno, [](SoundsDialog& form) {
        press(form.musicToggle);
        press(form.soundsToggle);
        press(form.cancelButton);
    });
    EXPECT_EQ(sound_.requests, (QStringList{"music on", "WAVE_87", "music off"}));
    EXPECT_FALSE(keno.menu().kenoSounds->isChecked());

    // The close box undoes as CANCEL does; OK with only the music on checks the mark.
    openSounds(keno, [](SoundsDialog& form) {
        press(form.musicToggle);
        form.close();
    });
    EXPECT_FALSE(state_.MusicOn);
    openSounds(keno, [](SoundsDialog& form) {
        press(form.musicToggle);
        press(form.okButton);
    });
    EXPECT_TRUE(state_.MusicOn);
    EXPECT_TRUE(keno.menu().kenoSounds->isChecked());
}

}  // namespace
