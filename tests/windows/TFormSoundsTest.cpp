#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "KenoTableFixture.h"
#include "windows/TFormSounds.h"

namespace {

class TFormSoundsTest : public KenoTableFixture {
  protected:
    // Runs `clicks` on the Sounds window once "&Keno Sounds" has opened it.
    void openSounds(TFormKeno& keno, const std::function<void(TFormSounds&)>& clicks) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<TFormSounds*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            opened = true;
            clicks(*form);
        });
        keno.menu().KenoSounds->trigger();
        EXPECT_TRUE(opened);
    }
    static void press(ImageButton* control) {
        Q_EMIT control->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    }
};

TEST_F(TFormSoundsTest, TheMenuOpensTheWindowAndThenShowsWhetherAnythingIsOn) {
    writeSchedules(money::dollars(50000));
    TFormKeno& keno = build();
    sound_.requests.clear();

    openSounds(keno, [](TFormSounds& form) {
        EXPECT_EQ(form.windowTitle(), "Sounds");
        EXPECT_EQ(form.LabelMusic->text(), "BACKGROUND ON");
        EXPECT_EQ(form.LabelSounds->text(), "KENO SOUNDS ON");
        press(form.ImageMusic);
        press(form.ImageSounds);
        EXPECT_EQ(form.LabelMusic->text(), "BACKGROUND OFF");
        EXPECT_EQ(form.LabelSounds->text(), "KENO SOUNDS OFF");
        press(form.ImageOK);
    });
    EXPECT_FALSE(state_.MusicOn);
    EXPECT_FALSE(state_.SoundsOn);
    EXPECT_FALSE(keno.menu().KenoSounds->isChecked());
    EXPECT_EQ(sound_.requests, (QStringList{"music off", "WAVE_86"}));

    // Switched on and cancelled: heard at once, then undone; the mark stays off.
    sound_.requests.clear();
    openSounds(keno, [](TFormSounds& form) {
        press(form.ImageMusic);
        press(form.ImageSounds);
        press(form.ImageCancel);
    });
    EXPECT_EQ(sound_.requests, (QStringList{"music on", "WAVE_87", "music off"}));
    EXPECT_FALSE(keno.menu().KenoSounds->isChecked());

    // The close box undoes as CANCEL does; OK with only the music on checks the mark.
    openSounds(keno, [](TFormSounds& form) {
        press(form.ImageMusic);
        form.close();
    });
    EXPECT_FALSE(state_.MusicOn);
    openSounds(keno, [](TFormSounds& form) {
        press(form.ImageMusic);
        press(form.ImageOK);
    });
    EXPECT_TRUE(state_.MusicOn);
    EXPECT_TRUE(keno.menu().KenoSounds->isChecked());
}

}  // namespace
