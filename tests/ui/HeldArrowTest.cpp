#include <gtest/gtest.h>

#include <QStringList>
#include <QWidget>

#include "ui/ControlPainter.h"
#include "ui/HeldArrow.h"
#include "ui/PictureControl.h"

namespace {

const QRgb kRaised = qRgb(198, 198, 255);  // top-left pixel of blue style 1
const QRgb kSunken = qRgb(0, 0, 57);       // top-left pixel of blue style 2

// An arrow in a window, with every step, click and release written to a log.
struct HeldArrowTest : ::testing::Test {
    QWidget window;
    PictureControl* button = new PictureControl(&window);
    ControlPainter painter{window_style::Table, [] { return 400; }, 5};
    QStringList log;
    ArrowStep next = ArrowStep::stepped();  // what the following steps report
    HeldArrow* arrow = nullptr;

    void SetUp() override {
        button->resize(16, 16);
        button->setTag(111);
        HeldArrow::Actions actions;
        actions.step = [this](HeldArrow::Phase phase) {
            log << (phase == HeldArrow::Phase::Press ? "press step" : "repeat step");
            return next;
        };
        actions.click = [this] { log << "click"; };
        actions.released = [this] { log << "released"; };
        arrow = new HeldArrow(*button, painter, {true, 13, 1}, actions);
        window.show();
    }
    void press() { arrow->press(); }
    QRgb look() const { return button->image().pixel(0, 0); }
};

TEST_F(HeldArrowTest, PressRepeatsAfterTheDelayThenFasterUntilTheRelease) {
    EXPECT_EQ(look(), kRaised);
    // Only a plain left press presses a picture control: no other button, no key.
    Q_EMIT button->mousePressed(Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    Q_EMIT button->mousePressed(Qt::LeftButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    Q_EMIT button->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_FALSE(arrow->isHeld());

    press();
    EXPECT_EQ(button->tag(), 112);
    EXPECT_EQ(look(), kSunken);
    EXPECT_TRUE(arrow->isRepeating());
    EXPECT_EQ(arrow->repeatInterval(), arrow_repeat::kFirstRepeatMs);
    press();  // already down: no second press
    arrow->tick();
    EXPECT_EQ(arrow->repeatInterval(), arrow_repeat::kRepeatEveryMs);
    arrow->tick();
    arrow->release();
    EXPECT_EQ(button->tag(), 111);
    EXPECT_EQ(look(), kRaised);
    EXPECT_FALSE(arrow->isRepeating());
    // A late tick or a second release does nothing.
    arrow->tick();
    arrow->release();
    EXPECT_EQ(log, (QStringList{"press step", "click", "repeat step", "repeat step", "click",
                                "released"}));
}

TEST_F(HeldArrowTest, AStepThatChangesNothingPaintsNothingButTheArrowStaysHeld) {
    next = ArrowStep::unchanged();
    press();
    EXPECT_EQ(look(), kRaised);
    EXPECT_TRUE(arrow->isHeld());
    EXPECT_TRUE(arrow->isRepeating());
    next = ArrowStep::stepped();
    arrow->tick();
    EXPECT_EQ(look(), kSunken);
}

// The notice takes the mouse: the arrow is up and silent before it opens,
// whether the press or a repeat asked for it, and timer ticks or a late
// mouse-up while the notice is shown step nothing.
TEST_F(HeldArrowTest, ANoticeOpensOnlyAfterTheArrowLetGo) {
    int notices = 0;
    const auto notice = [&] {
        ++notices;
        EXPECT_FALSE(arrow->isHeld());
        EXPECT_FALSE(arrow->isRepeating());
        EXPECT_EQ(look(), kRaised);
        EXPECT_EQ(log.back(), "released");
        arrow->tick();
        arrow->release();
    };
    next = ArrowStep::letGoThen(notice);
    press();
    EXPECT_EQ(log, (QStringList{"press step", "released"}));  // no click

    log.clear();
    next = ArrowStep::stepped();
    press();
    next = ArrowStep::letGoThen(notice);
    arrow->tick();
    arrow->tick();
    EXPECT_EQ(notices, 2);
    EXPECT_EQ(log, (QStringList{"press step", "click", "repeat step", "released"}));
    EXPECT_EQ(button->tag(), 111);
}

TEST_F(HeldArrowTest, HidingAHeldArrowLetsItGoAndShowingItAgainDoesNotPressIt) {
    press();
    button->hide();
    EXPECT_FALSE(arrow->isHeld());
    EXPECT_FALSE(arrow->isRepeating());
    EXPECT_EQ(look(), kRaised);
    EXPECT_EQ(log, (QStringList{"press step", "click", "released"}));
    button->show();
    EXPECT_FALSE(arrow->isHeld());
    press();
    EXPECT_TRUE(arrow->isRepeating());
}

}  // namespace
