#include <gtest/gtest.h>

#include <QLabel>
#include <QTabBar>

#include "core/records/IoError.h"
#include "game/SoundPlayer.h"
#include "ui/HeldArrow.h"
#include "ui/PictureControl.h"
#include "windows/PayoffsWindow.h"

namespace {

class PayoffsWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        state.AggregateLimit = money::Dollars(50000);
        state.Payoffs.RegularPayoffs[2][3] = money::Dollars(40);
        state.SpotsMarked = 3;
        state.ScheduleNumber = 4;
    }

    std::unique_ptr<PayoffsWindow> Open() {
        auto loader = [this](ScheduleInForce& s, int number) {
            ++loads;
            if (number == 5)
                throw IoError(QStringLiteral("cpos.vlr"),
                              QStringLiteral("Read beyond end of file"));
            s.AggregateLimit = money::Dollars(1000 * number);
        };
        auto form = std::make_unique<PayoffsWindow>(DialogContext{state, sounds}, state, loader);
        form->setReportError([this](const IoError& error) { reported.append(error.message()); });
        return form;
    }

    static void Press(HeldArrow& arrow) { arrow.press(); }

    GameState state;
    RecordingSoundPlayer sounds;
    int loads = 0;
    QStringList reported;
};

const QString kClick = QStringLiteral("WAVE_89 wait");

}  // namespace

TEST_F(PayoffsWindowTest, OpensOnTheTicketsTabWithTheTableFilled) {
    state.Kind = TicketKind::Way;
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Payoffs & Odds");
    EXPECT_EQ(form->tabs->currentIndex(), 0);
    EXPECT_EQ(form->tabs->count(), 10);
    EXPECT_EQ(form->tabs->tabText(7), "Last Ball Drawn");
    EXPECT_EQ(form->winLabels[3]->text(), "$40.00");
    EXPECT_TRUE(form->oddsLabels[3]->text().startsWith("1 in "));
    EXPECT_TRUE(form->oddsLabels[4]->text().isEmpty());
    EXPECT_EQ(sounds.requests, QStringList{kClick});
}

TEST_F(PayoffsWindowTest, ArrowPressAndReleaseStepOnceAndClickTwice) {
    auto form = Open();
    sounds.requests.clear();
    HeldArrow& betUp = *form->arrow(OddsArrow::BetUp);
    Press(betUp);
    EXPECT_EQ(betUp.button().tag(), 102);
    EXPECT_EQ(form->browser().bet(), 10500);
    EXPECT_EQ(form->winLabels[3]->text(), "$42.00");
    betUp.tick();  // $0.05, then the step grows
    betUp.tick();  // $0.10
    EXPECT_EQ(form->browser().bet(), 12000);
    betUp.release();
    EXPECT_EQ(betUp.button().tag(), 101);
    EXPECT_EQ(sounds.requests, (QStringList{kClick, kClick}));
    // The step starts again at the next press.
    Press(betUp);
    betUp.release();
    EXPECT_EQ(form->browser().bet(), 12500);
}

TEST_F(PayoffsWindowTest, FailedScheduleLoadKeepsTheNumberAndReleasesTheArrow) {
    auto form = Open();
    HeldArrow& casinoUp = *form->arrow(OddsArrow::CasinoUp);
    const QString winBefore = form->winLabels[3]->text();
    Press(casinoUp);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(reported, QStringList{"cpos.vlr: Read beyond end of file"});
    EXPECT_EQ(state.ScheduleNumber, 4);
    EXPECT_EQ(state.AggregateLimit, money::Dollars(50000));
    EXPECT_EQ(form->winLabels[3]->text(), winBefore);
    EXPECT_FALSE(casinoUp.isHeld());

    HeldArrow& casinoDown = *form->arrow(OddsArrow::CasinoDown);
    Press(casinoDown);
    casinoDown.release();
    EXPECT_EQ(state.ScheduleNumber, 3);
    EXPECT_EQ(state.AggregateLimit, money::Dollars(3000));
}

TEST_F(PayoffsWindowTest, ModeButtonsSwitchOnlyTheOdds) {
    auto form = Open();
    const QString win = form->winLabels[3]->text();
    EXPECT_FALSE(form->oneInButton->isEnabled());
    form->onModePressed(odds::OddsMode::Percent);
    EXPECT_TRUE(form->oddsLabels[3]->text().endsWith('%'));
    EXPECT_EQ(form->winLabels[3]->text(), win);
    EXPECT_TRUE(form->oneInButton->isEnabled());
    EXPECT_FALSE(form->percentButton->isEnabled());
    form->onModePressed(odds::OddsMode::OneIn);
    EXPECT_TRUE(form->oddsLabels[3]->text().startsWith("1 in "));
}

TEST_F(PayoffsWindowTest, FixedKindsHideTheSpotControls) {
    auto form = Open();
    form->tabs->setCurrentIndex(9);
    EXPECT_TRUE(form->arrow(OddsArrow::SpotUp)->button().isHidden());
    EXPECT_EQ(form->oddsLabels[20]->text().isEmpty(), false);
    form->tabs->setCurrentIndex(1);
    EXPECT_FALSE(form->arrow(OddsArrow::SpotUp)->button().isHidden());
    EXPECT_EQ(form->browser().spots(), 7);
}

TEST_F(PayoffsWindowTest, AllTenTabsShowOnTheSmallestScreen) {
    auto form = Open();
    form->show();
    for (int width : {500, 800}) {  // a 640 and a 1024 pixel wide screen
        form->setFixedSize(width, width * 434 / 500);
        const QTabBar& tabs = *form->tabs;
        EXPECT_LE(tabs.tabRect(tabs.count() - 1).right(), tabs.width()) << width;
        EXPECT_GE(tabs.font().pixelSize(), 7) << width;
    }
}
