#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "core/state/GameState.h"
#include "core/ticket/BetControls.h"
#include "game/SoundPlayer.h"
#include "game/TableControls.h"
#include "game/TableFakes.h"
#include "game/TicketBuilder.h"
#include "support/ToolTip.h"
#include "ui/PictureControl.h"
#include "windows/WayWindow.h"

namespace {

class WayWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        state.AggregateLimit = money::Dollars(100);
        form.setGame(state, sound, tickets.wayTicket(), mainWindow, 5);
        form.setAggregateAlert([this] { ++alerts; });
        mainWindow.resize(500, 400);
        mainWindow.move(150, 60);
        mainWindow.show();
    }

    void mark(std::initializer_list<int> numbers) {
        for (const int n : numbers) {
            if (bet::AddNumber(state, n) && state.Kind == TicketKind::Way)
                tickets.completeWayGroup();
        }
    }

    // Sunken rows are lit at the bottom right, raised rows at the top left.
    static bool raised(const PictureControl& row) {
        const QImage& image = row.image();
        return QColor(image.pixel(0, 0)).lightness() >
               QColor(image.pixel(image.width() - 1, image.height() - 1)).lightness();
    }

    GameState state;
    RecordingSoundPlayer sound;
    StepLog log;
    FakeTableView view{log};
    FakeWaiter waiter{log};
    TableControls table{state, view, sound, waiter};
    QWidget mainWindow;
    WayWindow form;
    TicketBuilder tickets{table, form};
    int alerts = 0;
};

}  // namespace

TEST_F(WayWindowTest, ChoosingWayShowsTheFirstRowBesideTheMainWindowAndCastingPutsItBack) {
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(tickets.chooseWay().empty());  // nothing marked yet
    EXPECT_FALSE(form.isVisible());

    mark({4, 9});
    EXPECT_EQ(tickets.chooseWay(), (std::vector<int>{4, 9}));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Ways Possible");
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(mainWindow.frameGeometry().left(), form.screen()->geometry().left());
    EXPECT_EQ(form.frameGeometry().left(), mainWindow.frameGeometry().right() + 1);
    EXPECT_EQ(form.frameGeometry().bottom(), mainWindow.frameGeometry().bottom());

    EXPECT_TRUE(form.row(1)->isVisible());
    EXPECT_FALSE(form.row(2)->isVisible());
    EXPECT_EQ(form.row(1)->tag(), 11);
    EXPECT_FALSE(raised(*form.row(1)));

    mark({30, 31});
    EXPECT_TRUE(form.row(2)->isVisible());
    EXPECT_EQ(form.ticket()->rowText(1), "2 / 2");

    // PLAY hides the rows with the main window left aside; CAST puts it back.
    tickets.handOverWayBets();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(mainWindow.frameGeometry().left(), form.screen()->geometry().left());
    tickets.clearWayTicket();
    EXPECT_EQ(mainWindow.pos(), QPoint(150, 60));
}

// Where the compositor places the windows, the rows stand in a column at the
// table's right inside its window, never over its board, and go with the
// ticket; the window keeps its size, so it never grows off the screen.
TEST_F(WayWindowTest, RowsInsideTheMainWindowStandBesideTheTableAndKeepItsSize) {
    QMainWindow window;
    auto* board = new QWidget;
    board->setFixedSize(500, form.height() + 12);
    window.setCentralWidget(board);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    auto* cell = new QWidget(board);
    cell->setFocusPolicy(Qt::TabFocus);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    cell->setFocus();
    form.showInside(window);
    const auto giveBack = qScopeGuard([this] { form.setParent(nullptr); });  // the fixture's own
    QCoreApplication::processEvents();
    const QSize before = window.size();
    EXPECT_EQ(window.focusWidget(), cell);  // the table's focus stays where it was
    EXPECT_EQ(before.width(), 500 + form.width());
    EXPECT_FALSE(form.isVisible());

    mark({4, 9});
    ASSERT_FALSE(tickets.chooseWay().empty());
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.window(), &window);
    const QRect rows(form.mapTo(&window, QPoint(0, 0)), form.size());
    const QRect table(board->mapTo(&window, QPoint(0, 0)), board->size());
    EXPECT_FALSE(rows.intersects(table));
    EXPECT_EQ(rows.left(), table.right() + 1);
    EXPECT_EQ(rows.bottom(), table.bottom());
    EXPECT_EQ(board->width(), 500);
    EXPECT_EQ(window.size(), before);

    tickets.clearWayTicket();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(window.size(), before);
}

TEST_F(WayWindowTest, ClickingRowsBetsAndUnbetsThem) {
    mark({1, 2});
    tickets.chooseWay();
    mark({3, 4, 5, 6});
    QSignalSpy changes(&form, &WayWindow::betChanged);

    QTest::mouseClick(form.row(1), Qt::RightButton);
    QTest::mouseClick(form.row(1), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(changes.count(), 0);

    QTest::mouseClick(form.row(1), Qt::LeftButton);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(form.row(1)->tag(), 12);
    EXPECT_TRUE(raised(*form.row(1)));
    EXPECT_EQ(state.Ways, 3);
    EXPECT_EQ(state.PricePerGame, money::Dollars(3));
    EXPECT_EQ(form.ticket()->summary(), "  3/2  ");

    QTest::mouseClick(form.row(1), Qt::LeftButton);
    EXPECT_EQ(form.row(1)->tag(), 11);
    EXPECT_FALSE(raised(*form.row(1)));
    EXPECT_EQ(sound.requests, (QStringList{"WAVE_83", "WAVE_86"}));
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(WayWindowTest, ARefusedBetShowsTheNoticeAndChangesNothing) {
    state.PricePerWay = money::Dollars(20);
    mark({1, 2});
    tickets.chooseWay();
    mark({3, 4, 5, 6});
    QSignalSpy changes(&form, &WayWindow::betChanged);
    form.onRowPressed(1);  // 3 ways, $60.00
    form.onRowPressed(2);  // 6 ways, $120.00: refused
    EXPECT_EQ(alerts, 1);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(form.row(2)->tag(), 13);
    EXPECT_EQ(state.Ways, 3);
}

TEST_F(WayWindowTest, PlayAndCastHideTheWindow) {
    mark({1});
    tickets.chooseWay();
    mark({2});
    form.onRowPressed(2);
    tickets.handOverWayBets();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(state.WayCounts[0], 0);
    EXPECT_EQ(state.WayCounts[1], 1);

    tickets.clearWayTicket();
    EXPECT_FALSE(form.row(2)->isVisible());
    EXPECT_EQ(form.row(2)->tag(), 13);
}

TEST_F(WayWindowTest, RowsTellTheFiguresOfTheRowsBetSoFarAtTodaysPrice) {
    state.Payoffs.RegularPayoffs[0][1] = money::Dollars(3);  // a quarter of the draws
    mark({5});
    tickets.chooseWay();
    EXPECT_TRUE(ToolTipOf(*form.row(1)).isEmpty());  // nothing bet yet
    form.onRowPressed(1);
    const QImage painted = form.row(1)->image();
    EXPECT_EQ(ToolTipOf(*form.row(1)),
              "Chance Of Winning: 1 in 4.0000\nExpected Return: $0.75\nReturn To Player: 75.00%");
    EXPECT_EQ(form.row(1)->image(), painted);
    state.PricePerWay = money::Dollars(2);  // the price arrows change it under the rows
    EXPECT_TRUE(ToolTipOf(*form.row(1)).contains("Expected Return: $1.50\n"));
    form.onRowPressed(1);
    EXPECT_TRUE(ToolTipOf(*form.row(1)).isEmpty());
}
