#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "game/SoundPlayer.h"
#include "ui/ControlPainter.h"
#include "ui/HeldArrow.h"
#include "ui/PictureControl.h"
#include "windows/PauseDialog.h"

namespace {

struct PauseDialogTest : ::testing::Test {
    GameState state;
    PauseSettings settings;
    RecordingSoundPlayer sounds;

    void press(PauseDialog& form, int tag) {
        if (tag == 113 || tag == 115) {
            const auto button = tag == 113 ? PauseDialog::Button::Ok : PauseDialog::Button::Cancel;
            form.onButtonPressed(button);
            form.onButtonReleased(button);
        } else {
            HeldArrow* arrow = form.arrowByTag(tag);
            ASSERT_NE(arrow, nullptr);
            arrow->press();
            arrow->release();
        }
    }
};

TEST_F(PauseDialogTest, OpensFromTheSettingsAndCommitsOnOk) {
    state.PricePerGame = money::Dollars(2);
    state.PauseBetweenNumbers = 60;
    PauseDialog form({state, sounds}, settings, state.PricePerGame);
    EXPECT_EQ(form.windowTitle(), "Pause Games");
    EXPECT_EQ(form.numbersValue->text(), "60");
    EXPECT_EQ(form.gamesLabel->text(), "Don't Pause Between Games");
    EXPECT_EQ(form.winningValue->text(), "$2.00");  // no games pause: the price per game

    press(form, 101);  // 60 wraps to 0
    EXPECT_EQ(form.numbersValue->text(), "");
    EXPECT_EQ(form.numbersLabel->text(), "Don't Pause Between Numbers");
    press(form, 107);  // 0 down wraps to "until NEXT"
    EXPECT_EQ(form.gamesLabel->text(), "Pause Between Games");
    EXPECT_EQ(state.PauseBetweenGames, 0);  // nothing committed yet
    EXPECT_EQ(sounds.requests, QStringList(4, "WAVE_89 wait"));

    press(form, 113);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(state.PauseBetweenNumbers, 0);
    EXPECT_EQ(state.PauseBetweenGames, kPauseUntilNext);
    EXPECT_EQ(state.PauseWinThreshold, money::Dollars(2));
}

TEST_F(PauseDialogTest, CancelKeepsTheSettingsAndHeldArrowsRepeat) {
    state.PauseBetweenGames = 5;
    PauseDialog form({state, sounds}, settings, state.PricePerGame);
    HeldArrow* up = form.arrowByTag(109);
    up->press();
    up->tick();
    up->tick();
    EXPECT_EQ(form.winningValue->text(), "$0.25");
    up->release();
    // The step grows only while held: the next press moves by $0.05 again.
    up->press();
    up->release();
    EXPECT_EQ(form.winningValue->text(), "$0.30");

    QTest::mouseClick(form.gamesLabel, Qt::LeftButton);  // 5 is below 151
    EXPECT_EQ(form.gamesLabel->text(), "Pause Between Games");
    press(form, 115);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(state.PauseBetweenGames, 5);
    EXPECT_EQ(state.PauseWinThreshold, 0);
}

}  // namespace

// The arrows and OK/CANCEL are bold, 13 units, as every other button.
TEST_F(PauseDialogTest, ButtonsAndArrowsAreBold) {
    PauseDialog form({state, sounds}, settings, state.PricePerGame);
    const int height = form.height();
    const ControlPainter painter(
        window_style::Pause, [height] { return height; }, DialogContext{state, sounds}.bevelWidth);
    auto painted = [&](const PictureControl& shown, const QString& text, const QString& font,
                       int offset, FontStyle face) {
        PictureControl fresh;
        fresh.resize(shown.size());
        painter.setCaptionFont(fresh, 13, face);
        painter.paintBevel(fresh, BevelStyle::Raised);
        painter.paintCaption(fresh, Qt::black, text, font, CaptionAlignment::Centre, offset);
        return fresh.image();
    };
    const PictureControl& ok = *form.imageByTag(113);
    EXPECT_EQ(ok.image(), painted(ok, "OK", "Arial", 9, FontStyle::Bold));
    EXPECT_NE(ok.image(), painted(ok, "OK", "Arial", 9, FontStyle::Regular));
    const PictureControl& cancel = *form.imageByTag(115);
    EXPECT_EQ(cancel.image(), painted(cancel, "CANCEL", "Arial", 9, FontStyle::Bold));
    const PictureControl& up = *form.imageByTag(101);
    EXPECT_EQ(up.image(), painted(up, QString(QChar(217)), "WingDings", 1, FontStyle::Bold));
}
