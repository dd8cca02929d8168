#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>

#include "TableWindowFixture.h"
#include "app/KenoApplication.h"
#include "core/records/HistoryFile.h"
#include "core/records/IoError.h"
#include "core/records/ScheduleFile.h"
#include "core/state/GameState.h"
#include "game/GameCycle.h"
#include "game/SoundPlayer.h"
#include "game/TableControls.h"
#include "shell/HelpViewer.h"
#include "ui/HeldArrow.h"
#include "ui/PictureControl.h"
#include "windows/TableLayout.h"
#include "windows/TableWindow.h"

namespace {

class TableWindowTest : public TableWindowFixture {};

const QColor kGreen(0, 128, 0), kFuchsia(255, 0, 255);

}  // namespace

TEST_F(TableWindowTest, FirstStartShowsTheEmptyTable) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    EXPECT_EQ(keno.windowTitle(), QStringLiteral("Velloro 32 Bit"));
    EXPECT_EQ(keno.centralWidget()->size(), QSize(500, 400));
    EXPECT_EQ(QFile(QStringLiteral("Games.vlr")).size(), 1001 * 1800);
    EXPECT_EQ(state_.GameNumber, 0);
    EXPECT_EQ(state_.AggregateLimit, money::Dollars(50000));
    EXPECT_EQ(sound_.requests, QStringList{QStringLiteral("music on")});

    const QImage table = client();
    EXPECT_EQ(table.pixelColor(80, 385), kGreen);   // below the board, the buttons hidden
    EXPECT_EQ(table.pixelColor(41, 20), kFuchsia);  // between cells 1 and 2 of the top panel
    EXPECT_EQ(table.pixelColor(14, 14), QColor(0, 0, 255));    // inside cell 1
    EXPECT_EQ(table.pixelColor(2, 2), QColor(255, 198, 255));  // frame: fuchsia lightened 198

    expectShows(QStringLiteral("ImageGOC"), QStringLiteral("GAME"));
    expectShows(QStringLiteral("ImageOC"), QStringLiteral("OPEN"));
    expectShows(QStringLiteral("ImageN"), QStringLiteral("000"));
    expectShows(QStringLiteral("ImageCenter"), QStringLiteral("$50,000 VELLORO"));
    expectShows(QStringLiteral("ImageTPN"), QStringLiteral("$1.00"));
    expectShows(QStringLiteral("ImageNOGN"), QStringLiteral("1"));
    expectShows(QStringLiteral("ImagePPWN"), QStringLiteral("$1.00"));
    expectShows(QStringLiteral("ImagePPGN"), QStringLiteral("$1.00"));
    expectShows(QStringLiteral("ImageSpot"), QStringLiteral("0 SPOT"));
    expectShows(QStringLiteral("ImageNOS"), QStringLiteral("NUMBER OF SPOTS"));
}

TEST_F(TableWindowTest, MenuBarHasItsCaptionsAndStartingStates) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    QStringList titles;
    for (QAction* action : keno.menuBar()->actions()) titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&Game", "&Tickets", "&Help", "&You're Ahead $0.00"}));

    auto find = [&keno](const char* name) { return keno.findChild<QAction*>(QLatin1String(name)); };
    for (const char* disabled :
         {"MenuPlay", "MenuOpen", "MenuCast", "MenuNext", "MenuSaveTicket"}) {
        ASSERT_NE(find(disabled), nullptr) << disabled;
        EXPECT_FALSE(find(disabled)->isEnabled()) << disabled;
    }
    EXPECT_EQ(find("MenuPlay")->text(), QStringLiteral(" &Play Ticket"));
    EXPECT_TRUE(find("MenuKenoSounds")->isChecked());
    EXPECT_TRUE(find("MenuRestoreTicket")->isEnabled());
    EXPECT_EQ(find("MenuFortyForty")->text(), QStringLiteral("Forty Forty"));
    EXPECT_EQ(find("MenuThirtyTwoSpotTheEdge")->text(), QStringLiteral("The &Edge"));
    EXPECT_EQ(find("MenuWay")->text(), QStringLiteral("&Way"));
    for (const char* button :
         {"ImagePlay", "ImageOpen", "ImageNext", "ImageCast", "ImageQPU", "ImageTicketKind"})
        EXPECT_TRUE(keno.control(QLatin1String(button))->isHidden()) << button;

    state_.Balance = -25000;
    keno.showBalance(state_.Balance);
    EXPECT_EQ(keno.menu().balance->title(), QStringLiteral("&You're Down $2.50"));
    keno.menu().reset->trigger();
    EXPECT_EQ(state_.Balance, 0);
    EXPECT_EQ(keno.menu().balance->title(), QStringLiteral("&You're Ahead $0.00"));
}

TEST_F(TableWindowTest, ExistingHistoryContinuesItsNumberingAndBalance) {
    writeSchedules(money::Dollars(50000));
    CreateHistoryFile(QStringLiteral("Games.vlr"));
    {
        QFile file(QStringLiteral("Games.vlr"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const std::int32_t game = 41;
        const std::int64_t balance = 25000;
        file.write(reinterpret_cast<const char*>(&game), 4);
        file.write(reinterpret_cast<const char*>(&balance), 8);
    }
    TableWindow& keno = build();
    EXPECT_EQ(state_.GameNumber, 42);
    EXPECT_EQ(keno.menu().balance->title(), QStringLiteral("&You're Ahead $2.50"));
    expectShows(QStringLiteral("ImageN"), QStringLiteral("042"));

    state_.GameNumber = 999;
    keno.cycle().openNextGame();
    expectShows(QStringLiteral("ImageN"), QStringLiteral("000"));
    keno.cycle().showClosed();
    EXPECT_EQ(state_.GameNumber, 0);
    expectShows(QStringLiteral("ImageOC"), QStringLiteral("CLOSED"));
}

TEST_F(TableWindowTest, MissingOrShortSchedulesStopTheStart) {
    try {
        build();
        FAIL() << "a table without payoff schedules was built";
    } catch (const IoError& error) {
        EXPECT_EQ(error.fileName(), QStringLiteral("cpos.vlr"));
        EXPECT_EQ(error.reason(), QStringLiteral("File not found"));
        EXPECT_TRUE(IoErrorText(error).contains(QStringLiteral("cpos.vlr")));
        EXPECT_TRUE(IoErrorText(error).contains(QStringLiteral("File not found")));
        const QString start = StartFailureText(error, QDir::currentPath());
        for (const QString& named : {QDir::currentPath(), QStringLiteral("velloro-launch"),
                                     QStringLiteral("velloro-tool schedules make")})
            EXPECT_TRUE(start.contains(named)) << start.toStdString();
    }
    {
        QFile file(QStringLiteral("cpos.vlr"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100, '\0'));
    }
    EXPECT_THROW(build(), IoError);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Games.vlr")));
}

TEST_F(TableWindowTest, CellLooks) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    const PictureControl& cell = *keno.cell(12);
    auto count = [&cell](QRgb colour) {
        int n = 0;
        for (int y = 0; y < cell.image().height(); ++y)
            for (int x = 0; x < cell.image().width(); ++x) n += cell.image().pixel(x, y) == colour;
        return n;
    };
    keno.paintCell(12, CellLook::Marked, Rgb{255, 255, 0});
    EXPECT_EQ(cell.image().pixel(0, 0), qRgb(198, 198, 255));  // raised
    EXPECT_GT(count(qRgb(255, 255, 0)), 20);                   // the check in the set colour
    keno.paintCell(12, CellLook::Caught, Rgb{0, 204, 255});
    EXPECT_EQ(cell.image().pixel(0, 0), qRgb(255, 198, 198));  // red, raised
    EXPECT_GT(count(qRgb(0, 204, 255)), 20);
    keno.paintCell(12, CellLook::NotCaught, palette::kYellow);
    EXPECT_EQ(cell.image().pixel(0, 0), qRgb(57, 0, 0));  // red, sunken
    EXPECT_EQ(count(qRgb(0, 204, 255)), 0);
    EXPECT_GT(count(qRgb(192, 192, 192)), 20);  // silver number
}

TEST_F(TableWindowTest, LargerScreenScalesEverything) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build({1024, 768});
    EXPECT_EQ(keno.painter().bevelWidth(), 8);
    EXPECT_EQ(keno.centralWidget()->size(), QSize(800, 640));
    EXPECT_EQ(keno.painter().units(23), 37);
    // ImagePlay at 2,369 65x28 design units.
    EXPECT_EQ(keno.button(TableButton::Play)->geometry(), QRect(3, 590, 104, 45));
    keno.paintCell(1, CellLook::Marked, palette::kYellow);
    EXPECT_EQ(keno.cell(1)->image().pixel(7, 20), qRgb(30, 30, 255));  // eighth bevel line
}

TEST(HelpFileTest, EveryHelpNumberOfTheTableHasATopic) {
    const HelpFile help = HelpFile::builtIn();
    ASSERT_NE(help.topic(1), nullptr);
    EXPECT_EQ(help.topic(1)->title, QStringLiteral("Intro To Keno"));
    ASSERT_NE(help.topic(37), nullptr);
    EXPECT_EQ(help.topic(37)->title, QStringLiteral("Keno History"));
    for (const table_layout::Control& control : table_layout::Controls())
        if (control.helpNumber > 0) {
            ASSERT_NE(help.topic(control.helpNumber), nullptr) << control.name.toStdString();
            EXPECT_FALSE(help.topic(control.helpNumber)->text.isEmpty()) << control.helpNumber;
        }
}

TEST(HelpFileTest, ParsesTopicsParagraphsAndNotes) {
    const HelpFile help =
        HelpFile::parse(QStringLiteral("# a note\nstray line\n@5 Five\nfirst line\nsecond "
                                       "line\n\nnext paragraph\n@6   Six  \n# hidden\nbody\n"));
    ASSERT_EQ(help.topics().size(), 2u);
    EXPECT_EQ(help.topic(5)->text, QStringLiteral("first line second line\n\nnext paragraph"));
    EXPECT_EQ(help.topic(6)->title, QStringLiteral("Six"));
    EXPECT_EQ(help.topic(6)->text, QStringLiteral("body"));
    EXPECT_EQ(help.topic(7), nullptr);
    const HelpViewer viewer(help);
    EXPECT_TRUE(viewer.popupText(5).startsWith(QStringLiteral("Five")));
    EXPECT_FALSE(viewer.popupText(7).isEmpty());
}

TEST_F(TableWindowTest, MouseEventsReachTheTableLogic) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    PictureControl& five = *keno.cell(5);
    Q_EMIT five.mousePressed(Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    Q_EMIT five.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(state_.SpotsMarked, 0);

    Q_EMIT five.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(state_.SpotsMarked, 1);
    EXPECT_EQ(state_.Sets[1].Numbers[0], 5);
    EXPECT_EQ(five.image().pixel(0, 0), qRgb(198, 198, 255));  // marked: raised
    EXPECT_TRUE(keno.menu().play->isEnabled());
    EXPECT_FALSE(keno.button(TableButton::Play)->isHidden());
    expectShows(QStringLiteral("ImageSpot"), QStringLiteral("1 SPOT"));

    PictureControl& gamesUp = *keno.control(QStringLiteral("ImageNOGSU"));
    Q_EMIT gamesUp.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(state_.NumberOfGames, 2);
    EXPECT_TRUE(keno.arrow(107)->isRepeating());  // held arrows repeat
    expectShows(QStringLiteral("ImageNOGN"), QStringLiteral("2"));
    expectShows(QStringLiteral("ImageTPN"), QStringLiteral("$2.00"));
    Q_EMIT gamesUp.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    EXPECT_FALSE(keno.arrow(107)->isRepeating());
}

TEST_F(TableWindowTest, TicketSubmenusHoldTheirKinds) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    auto captions = [](QAction* entry) {
        QStringList list;
        for (QAction* action : entry->menu()->actions()) list << action->text();
        return list;
    };
    EXPECT_EQ(captions(keno.menu().item(MenuItem::Forty)),
              (QStringList{"&Top", "&Bottom", "&Left", "&Right"}));
    EXPECT_EQ(captions(keno.menu().item(MenuItem::FortyForty)),
              (QStringList{"&Top And Bottom", "&Left And Right"}));
    EXPECT_EQ(captions(keno.menu().item(MenuItem::ThirtyTwoSpot)),
              (QStringList{"The &Edge", "The &Inside"}));
    // The table logic's view of the menu agrees with what the menu shows.
    keno.table().setEnabled(MenuItem::Forty, false);
    EXPECT_FALSE(keno.menu().item(MenuItem::Forty)->isEnabled());
    keno.state().KindCode = QStringLiteral("QP");
    keno.table().repaintMenuItem(MenuItem::QuickPick);
    EXPECT_TRUE(keno.menu().item(MenuItem::QuickPick)->isChecked());
}

TEST(HelpViewerTest, ShowsTopicsAndQuitsWithTheTable) {
    HelpViewer viewer;
    viewer.showTopic(37);
    ASSERT_NE(viewer.topicWindow(), nullptr);
    EXPECT_TRUE(viewer.topicWindow()->isVisible());
    EXPECT_TRUE(viewer.topicWindow()->toPlainText().contains(QStringLiteral("Keno History")));
    viewer.showPopup(99, {10, 10});
    ASSERT_NE(viewer.popupWindow(), nullptr);
    EXPECT_TRUE(viewer.popupWindow()->text().contains(QStringLiteral("The Board")));
    viewer.quit();
    EXPECT_TRUE(viewer.topicWindow() == nullptr || !viewer.topicWindow()->isVisible());
    EXPECT_TRUE(viewer.popupWindow() == nullptr || !viewer.popupWindow()->isVisible());
}
