#include <gtest/gtest.h>

#include <QLabel>
#include <QTabBar>

#include "core/records/IoError.h"
#include "game/SoundPlayer.h"
#include "ui/ImageButton.h"
#include "windows/TFormPayOffOd.h"

namespace {

class PayOffOdWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        state.AggregateLimit = money::dollars(50000);
        state.Payoffs.RegularPayoffs[2][3] = money::dollars(40);
        state.PayoffSpots = 3;
        state.ScheduleNumber = 4;
    }

    std::unique_ptr<TFormPayOffOd> Open() {
        auto loader = [this](GameState& s, int number) {
            ++loads;
            if (number == 5)
                throw IoError(QStringLiteral("cpos.vlr"),
                              QStringLiteral("Read beyond end of file"));
            s.AggregateLimit = money::dollars(1000 * number);
        };
        auto form = std::make_unique<TFormPayOffOd>(state, sounds, loader);
        form->setReportError([this](const IoError& error) { reported.append(error.message()); });
        return form;
    }

    static void Press(TFormPayOffOd& form, ImageButton& control) {
        form.ImageArrowMouseDown(control, Qt::LeftButton, Qt::NoModifier);
    }

    GameState state;
    RecordingSoundPlayer sounds;
    int loads = 0;
    QStringList reported;
};

const QString kClick = QStringLiteral("WAVE_89 wait");

}  // namespace

TEST_F(PayOffOdWindow, OpensOnTheTicketsTabWithTheTableFilled) {
    state.Kind = TicketKind::Way;
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Payoffs & Odds");
    EXPECT_EQ(form->TabControl->currentIndex(), 0);
    EXPECT_EQ(form->TabControl->count(), 10);
    EXPECT_EQ(form->TabControl->tabText(7), "Last Ball Drawn");
    EXPECT_EQ(form->LabelWin[3]->text(), "$40.00");
    EXPECT_TRUE(form->LabelOdds[3]->text().startsWith("1 in "));
    EXPECT_TRUE(form->LabelOdds[4]->text().isEmpty());
    EXPECT_EQ(sounds.requests, QStringList{kClick});
}

TEST_F(PayOffOdWindow, ArrowPressAndReleaseStepOnceAndClickTwice) {
    auto form = Open();
    sounds.requests.clear();
    ImageButton& betUp = *form->arrow(OddsArrow::BetUp);
    Press(*form, betUp);
    EXPECT_EQ(betUp.tag(), 102);
    EXPECT_EQ(form->browser().bet(), 10500);
    EXPECT_EQ(form->LabelWin[3]->text(), "$42.00");
    form->TimerButtonTimer();
    EXPECT_EQ(form->browser().bet(), 11000);
    form->ImageArrowMouseUp(betUp);
    EXPECT_EQ(betUp.tag(), 101);
    EXPECT_EQ(sounds.requests, (QStringList{kClick, kClick}));
    form->ImageArrowMouseUp(betUp);  // not pressed: nothing
    EXPECT_EQ(sounds.requests.size(), 2);

    // Only the left button alone presses.
    form->ImageArrowMouseDown(betUp, Qt::RightButton, Qt::NoModifier);
    form->ImageArrowMouseDown(betUp, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(form->browser().bet(), 11000);
    EXPECT_EQ(betUp.tag(), 101);
}

TEST_F(PayOffOdWindow, FailedScheduleLoadKeepsTheNumberAndReleasesTheArrow) {
    auto form = Open();
    ImageButton& casinoUp = *form->arrow(OddsArrow::CasinoUp);
    const QString winBefore = form->LabelWin[3]->text();
    Press(*form, casinoUp);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(reported, QStringList{"cpos.vlr: Read beyond end of file"});
    EXPECT_EQ(state.ScheduleNumber, 4);
    EXPECT_EQ(state.AggregateLimit, money::dollars(50000));
    EXPECT_EQ(form->LabelWin[3]->text(), winBefore);
    EXPECT_EQ(casinoUp.tag(), 113);
    // The held arrow does not repeat the failing load.
    form->TimerButtonTimer();
    EXPECT_EQ(loads, 1);

    ImageButton& casinoDown = *form->arrow(OddsArrow::CasinoDown);
    Press(*form, casinoDown);
    form->ImageArrowMouseUp(casinoDown);
    EXPECT_EQ(state.ScheduleNumber, 3);
    EXPECT_EQ(state.AggregateLimit, money::dollars(3000));
}

TEST_F(PayOffOdWindow, ModeButtonsSwitchOnlyTheOdds) {
    auto form = Open();
    const QString win = form->LabelWin[3]->text();
    EXPECT_FALSE(form->ImageOne->isEnabled());
    form->ImageModeMouseDown(odds::OddsMode::Percent, Qt::LeftButton, Qt::NoModifier);
    EXPECT_TRUE(form->LabelOdds[3]->text().endsWith('%'));
    EXPECT_EQ(form->LabelWin[3]->text(), win);
    EXPECT_TRUE(form->ImageOne->isEnabled());
    EXPECT_FALSE(form->ImagePercent->isEnabled());
    form->ImageModeMouseDown(odds::OddsMode::OneIn, Qt::LeftButton, Qt::NoModifier);
    EXPECT_TRUE(form->LabelOdds[3]->text().startsWith("1 in "));
}

TEST_F(PayOffOdWindow, FixedKindsHideTheSpotControls) {
    auto form = Open();
    form->TabControl->setCurrentIndex(9);
    EXPECT_TRUE(form->arrow(OddsArrow::SpotUp)->isHidden());
    EXPECT_EQ(form->LabelOdds[20]->text().isEmpty(), false);
    form->TabControl->setCurrentIndex(1);
    EXPECT_FALSE(form->arrow(OddsArrow::SpotUp)->isHidden());
    EXPECT_EQ(state.PayoffSpots, 7);
}
