// The main window driven as a player would: Tickets menu commands, board
// clicks, the way window's rows, PLAY, OPEN and CAST, and the side windows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTimer>
#include <functional>
#include <set>

#include "TableWindowFixture.h"
#include "core/records/HistoryFile.h"
#include "core/state/Palette.h"
#include "game/GameCycle.h"
#include "game/TableControls.h"
#include "support/ModalWait.h"
#include "support/ToolTip.h"
#include "ui/HeldArrow.h"
#include "ui/WindowStyle.h"
#include "windows/PauseDialog.h"
#include "windows/PayoffsWindow.h"
#include "windows/WayWindow.h"

namespace {

const QColor kGreen(0, 128, 0);
const QRgb kRaised = qRgb(198, 198, 255);  // top-left of a marked cell
const QRgb kSunken = qRgb(0, 0, 57);       // top-left of an unmarked cell

int pixelsOf(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

class TableWindowTicketsTest : public TableWindowFixture {
  protected:
    // Every outcome of these tables pays the same, so a run's result does not hang on the draw.
    static PayoffSchedule flatSchedule(Money aggregateLimit) {
        PayoffSchedule schedule;
        schedule.AggregateLimit = aggregateLimit;
        schedule.Tables.FortyPayoffs.fill(money::Dollars(2));
        schedule.Tables.RegularPayoffs[2].fill(money::Dollars(1));  // 3 spots
        schedule.Tables.RegularPayoffs[5].fill(money::Dollars(2));  // 6 spots
        return schedule;
    }

    TableWindow& buildWithWayWindow() {
        TableWindow& keno = build();
        keno.attachWayWindow(new WayWindow(&keno));
        return keno;
    }

    void click(int n) {
        Q_EMIT keno_->cell(n)->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    }
    void pressArrow(const char* name) {
        PictureControl& arrow = *keno_->control(QLatin1String(name));
        Q_EMIT arrow.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        Q_EMIT arrow.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    }
    QAction* item(MenuItem which) const { return keno_->menu().item(which); }
    bool visible(const char* name) const {
        return !keno_->control(QLatin1String(name))->isHidden();
    }
    int wavesRequested(const QString& name) const {
        return static_cast<int>(sound_.requests.count(name));
    }

    // Acts on the modal window of this class once it is up (it runs its own loop).
    template <class Dialog>
    void whenShown(std::function<void(Dialog&)> act) {
        modal_wait::whenShown<Dialog>(keno_.get(), std::move(act));
    }

    // After CAST the table is the empty table of start-up.
    void expectEmptyTable() {
        EXPECT_EQ(keno_->table().checkedKind(), std::nullopt);
        for (MenuItem kind : kinds::TicketItems()) EXPECT_FALSE(item(kind)->isChecked());
        EXPECT_TRUE(keno_->table().boardEnabled());
        EXPECT_TRUE(keno_->panel(true)->isEnabled());
        EXPECT_FALSE(visible("ImageTicketKind"));
        EXPECT_TRUE(visible("ImageSpot"));
        EXPECT_FALSE(visible("ImageQPU"));
        EXPECT_FALSE(visible("ImageQPD"));
        EXPECT_TRUE(visible("ImageNOGSU"));
        EXPECT_FALSE(item(MenuItem::Play)->isEnabled());
        EXPECT_TRUE(item(MenuItem::QuickPick)->isEnabled());
        EXPECT_TRUE(item(MenuItem::Forty)->isEnabled());
        EXPECT_FALSE(item(MenuItem::Way)->isEnabled());
        for (int n = 1; n <= 80; ++n) {
            EXPECT_EQ(keno_->table().cells().tag(n), 100 + n);
            EXPECT_EQ(keno_->cell(n)->image().pixel(0, 0), kSunken) << n;
        }
        EXPECT_EQ(state_.Kind, TicketKind::Regular);
        EXPECT_TRUE(state_.KindCode.isEmpty());
        EXPECT_EQ(state_.Ways, 1);
        expectShows(QStringLiteral("ImageSpot"), QStringLiteral("0 SPOT"));
    }
};

}  // namespace

TEST_F(TableWindowTicketsTest, TicketsMenuFollowsTheKindsInOrder) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    QStringList captions;
    for (QAction* action : keno.menuBar()->actions()[1]->menu()->actions())
        if (!action->isSeparator()) captions << action->text();
    EXPECT_EQ(captions, (QStringList{"&All Catches", "All Or &Nothing", "&Bet Against",
                                     "&Catch All", "Forty", "Forty Forty", "&Last Ball Drawn",
                                     "&Quick Pick", "&Super Special", "&Thirty-Two Spot", "&Way"}));
    EXPECT_EQ(keno.menu().command(TicketChoice::TheInside)->text(), QStringLiteral("The &Inside"));
    EXPECT_EQ(keno.menu().command(TicketChoice::TheInside)->objectName(),
              QStringLiteral("MenuThirtyTwoSpotTheInside"));
}

// Entries that look usable at start-up must do something when chosen.
TEST_F(TableWindowTicketsTest, StartUpOffersTheTicketsEntriesOfAnEmptyBoardOnly) {
    writeSchedules(money::Dollars(50000));
    build();
    const std::set<MenuItem> offered{MenuItem::QuickPick, MenuItem::Forty, MenuItem::FortyForty,
                                     MenuItem::ThirtyTwoSpot};
    for (MenuItem kind : kinds::TicketItems())
        EXPECT_EQ(item(kind)->isEnabled(), offered.count(kind) == 1)
            << MenuCaption(kind).toStdString();
}

TEST_F(TableWindowTicketsTest, TopMarksTheTopHalfPaysRecordsAndCastsAway) {
    writeSchedules({flatSchedule(money::Dollars(50000))});
    TableWindow& keno = build();
    keno.menu().command(TicketChoice::Top)->trigger();

    EXPECT_EQ(state_.KindCode, QStringLiteral("T"));
    EXPECT_TRUE(item(MenuItem::Forty)->isChecked());
    EXPECT_FALSE(keno.panel(true)->isEnabled());
    EXPECT_FALSE(keno.panel(false)->isEnabled());
    EXPECT_FALSE(visible("ImageSpot"));
    EXPECT_TRUE(visible("ImageTicketKind"));
    expectShows(QStringLiteral("ImageTicketKind"), QStringLiteral("T"));
    EXPECT_TRUE(ToolTipOf(*keno.control(QStringLiteral("ImageTicketKind"))).isEmpty());
    for (MenuItem kind : kinds::TicketItems()) EXPECT_FALSE(item(kind)->isEnabled());
    EXPECT_TRUE(item(MenuItem::Play)->isEnabled());
    EXPECT_TRUE(visible("ImagePlay"));
    for (int n = 1; n <= 40; ++n) {
        EXPECT_EQ(keno.cell(n)->image().pixel(0, 0), kRaised) << n;
        // Both sets of the region are checked in set 1's colour, and marked
        // as a restored Top ticket marks them.
        EXPECT_GT(pixelsOf(keno.cell(n)->image(), ToQColor(SetColour(1))), 20) << n;
        EXPECT_EQ(keno.table().cells().tag(n), 200 + n);
    }
    EXPECT_EQ(keno.cell(41)->image().pixel(0, 0), kSunken);
    EXPECT_EQ(keno.table().cells().tag(41), 141);

    // A second kind is refused even if the menu's own toggle got through.
    item(MenuItem::QuickPick)->setChecked(true);
    keno.tickets().chooseKind(TicketChoice::QuickPick);
    EXPECT_FALSE(item(MenuItem::QuickPick)->isChecked());
    EXPECT_EQ(state_.KindCode, QStringLiteral("T"));

    sound_.requests.clear();
    keno.menu().play->trigger();
    EXPECT_EQ(state_.GameWin, money::Dollars(2));
    EXPECT_EQ(state_.Balance, money::Dollars(1));
    EXPECT_EQ(keno.menu().balance->title(), QStringLiteral("&You're Ahead $1.00"));
    expectShows(QStringLiteral("ImageCenter"), QStringLiteral("YOU WON $2.00"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the busy cursor went with the sum
    EXPECT_TRUE(keno.menu().open->isEnabled());
    EXPECT_FALSE(keno.menu().cast->isEnabled());
    EXPECT_EQ(sound_.requests.first(), QStringLiteral("WAVE_200 wait"));

    const std::vector<GameRecord> history = ReadHistory(QStringLiteral("Games.vlr"));
    ASSERT_TRUE(history[0].played());
    EXPECT_EQ(history[0].KindCode, QStringLiteral("T"));
    EXPECT_EQ(history[0].GameWin, money::Dollars(2));
    EXPECT_FALSE(history[1].played());

    keno.menu().open->trigger();
    EXPECT_TRUE(item(MenuItem::Forty)->isChecked());  // the same ticket, ready again
    keno.menu().cast->trigger();
    expectEmptyTable();
    expectShows(QStringLiteral("ImageCenter"), QStringLiteral("$50,000 VELLORO"));
}

TEST_F(TableWindowTicketsTest, QuickPickShowsItsArrowsAndPicksAtPlay) {
    writeSchedules({flatSchedule(money::Dollars(50000))});
    TableWindow& keno = build();
    keno.menu().command(TicketChoice::QuickPick)->trigger();
    EXPECT_TRUE(item(MenuItem::QuickPick)->isChecked());
    EXPECT_TRUE(visible("ImageQPU"));
    EXPECT_TRUE(visible("ImageQPD"));
    EXPECT_TRUE(visible("ImageSpot"));
    expectShows(QStringLiteral("ImageSpot"), QStringLiteral("1 SPOT"));
    expectShows(QStringLiteral("ImageTicketKind"), QStringLiteral("QP"));
    EXPECT_FALSE(keno.panel(true)->isEnabled());

    pressArrow("ImageQPU");
    pressArrow("ImageQPU");
    pressArrow("ImageQPD");
    EXPECT_EQ(state_.SpotsMarked, 2);
    expectShows(QStringLiteral("ImageSpot"), QStringLiteral("2 SPOT"));

    sound_.requests.clear();
    keno.menu().play->trigger();
    EXPECT_FALSE(visible("ImageQPU"));
    EXPECT_EQ(state_.Sets[1].count(), 2);
    EXPECT_EQ(state_.SpotsPerSet, 2);
    EXPECT_EQ(wavesRequested(QStringLiteral("WAVE_87 wait")), 2);
    for (int slot = 0; slot < 2; ++slot) {
        const int n = state_.Sets[1].Numbers[static_cast<std::size_t>(slot)];
        EXPECT_GT(pixelsOf(keno.cell(n)->image(), ToQColor(SetColour(1))), 20)
            << n;  // marked, maybe caught
    }
    EXPECT_EQ(ReadHistory(QStringLiteral("Games.vlr"))[0].KindCode, QStringLiteral("QP"));

    // OPEN plays the same picks again: no new numbers are chosen.
    const TicketSet picked = state_.Sets[1];
    keno.menu().open->trigger();
    sound_.requests.clear();
    keno.menu().play->trigger();
    EXPECT_EQ(state_.Sets[1].Numbers, picked.Numbers);
    EXPECT_EQ(wavesRequested(QStringLiteral("WAVE_87 wait")), 0);
    keno.menu().open->trigger();
    keno.menu().cast->trigger();
    expectEmptyTable();
}

TEST_F(TableWindowTicketsTest, WayTicketOfThreeGroupsBetsRowsAndPaysTheWaySum) {
    writeSchedules({flatSchedule(money::Dollars(50000))});
    TableWindow& keno = buildWithWayWindow();
    WayWindow& way = *keno.wayWindow();
    for (int n : {1, 2, 3}) click(n);
    EXPECT_TRUE(item(MenuItem::Way)->isEnabled());
    keno.menu().way->trigger();

    EXPECT_TRUE(way.isVisible());
    EXPECT_TRUE(item(MenuItem::Way)->isChecked());
    EXPECT_FALSE(item(MenuItem::Play)->isEnabled());
    EXPECT_TRUE(item(MenuItem::Cast)->isEnabled());
    EXPECT_FALSE(item(MenuItem::Way)->isEnabled());
    EXPECT_TRUE(visible("ImageTicketKind"));
    EXPECT_FALSE(visible("ImageSpot"));
    expectShows(QStringLiteral("ImageTPN"), QStringLiteral("$0.00"));
    expectShows(QStringLiteral("ImagePPGN"), QStringLiteral("$0.00"));
    EXPECT_TRUE(keno.panel(true)->isEnabled());
    for (int n : {1, 2, 3}) EXPECT_EQ(keno.table().cells().tag(n), 300 + n);
    EXPECT_FALSE(way.row(1)->isHidden());
    EXPECT_TRUE(way.row(2)->isHidden());

    // The second and third groups, each painted in its own group's colour.
    for (int n : {4, 5, 6, 7, 8, 9}) click(n);
    EXPECT_GT(pixelsOf(keno.cell(4)->image(), ToQColor(SetColour(2))), 20);
    EXPECT_GT(pixelsOf(keno.cell(9)->image(), ToQColor(SetColour(3))), 20);
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(keno.table().cells().tag(n), 300 + n);
    click(5);  // locked: no change
    EXPECT_EQ(state_.SpotsMarked, 0);
    EXPECT_EQ(way.ticket()->rowText(1), QStringLiteral("3 / 3"));
    EXPECT_EQ(way.ticket()->rowText(2), QStringLiteral("3 / 6"));
    EXPECT_EQ(way.ticket()->rowText(3), QStringLiteral("1 / 9"));
    EXPECT_TRUE(way.row(4)->isHidden());

    pressArrow("ImageNOGSU");  // 2 games
    Q_EMIT way.row(1)->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    EXPECT_TRUE(item(MenuItem::Play)->isEnabled());
    EXPECT_FALSE(keno.panel(true)->isEnabled());
    Q_EMIT way.row(2)->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(state_.Ways, 6);
    // Every draw pays $9.00 on these flat tables, as the tooltips say.
    const QString figures = QStringLiteral(
        "Chance Of Winning: 1 in 1.0000\nExpected Return: $9.00\nReturn To Player: 150.00%");
    EXPECT_EQ(ToolTipOf(*keno.control(QStringLiteral("ImageTicketKind"))), figures);
    EXPECT_EQ(ToolTipOf(*way.row(3)), figures);
    expectShows(QStringLiteral("ImagePPGN"), QStringLiteral("$6.00"));
    expectShows(QStringLiteral("ImageTPN"), QStringLiteral("$12.00"));
    EXPECT_FALSE(keno.table().boardEnabled());
    EXPECT_FALSE(keno.panel(false)->isEnabled());
    EXPECT_GT(pixelsOf(keno.control(QStringLiteral("ImageTicketKind"))->image(), Qt::black), 0);

    keno.menu().play->trigger();
    EXPECT_FALSE(way.isVisible());
    EXPECT_EQ(state_.WayCounts[0], 3);
    EXPECT_EQ(state_.WayCounts[1], 3);
    EXPECT_EQ(state_.WayCounts[2], 0);
    // Each game: three 3-spot ways at $1.00 and three 6-spot ways at $2.00.
    EXPECT_EQ(state_.GameWin, money::Dollars(9));
    EXPECT_EQ(state_.Balance, money::Dollars(-12 + 9 + 9));
    const std::vector<GameRecord> history = ReadHistory(QStringLiteral("Games.vlr"));
    EXPECT_TRUE(history[0].played());
    EXPECT_TRUE(history[1].played());
    EXPECT_EQ(history[1].Ways, 6);

    keno.menu().open->trigger();
    keno.menu().cast->trigger();
    EXPECT_FALSE(way.isVisible());
    EXPECT_TRUE(way.row(1)->isHidden());
    expectEmptyTable();
    EXPECT_EQ(state_.WayCounts, (std::array<std::int32_t, 15>{}));
}

TEST_F(TableWindowTicketsTest, UnbettingEveryRowReopensTheBoardAndCastHidesTheWindow) {
    writeSchedules({flatSchedule(money::Dollars(50000))});
    TableWindow& keno = buildWithWayWindow();
    WayWindow& way = *keno.wayWindow();
    for (int n : {11, 12}) click(n);
    keno.menu().way->trigger();
    way.onRowPressed(1);
    EXPECT_FALSE(keno.table().boardEnabled());
    way.onRowPressed(1);
    EXPECT_TRUE(keno.table().boardEnabled());
    EXPECT_FALSE(item(MenuItem::Play)->isEnabled());
    expectShows(QStringLiteral("ImagePPGN"), QStringLiteral("$0.00"));
    // The summary is gone: nothing but green in the special box.
    EXPECT_EQ(pixelsOf(keno.control(QStringLiteral("ImageTicketKind"))->image(), Qt::black), 0);

    click(13);  // half a group: rows take no bets
    way.onRowPressed(1);
    EXPECT_EQ(state_.Ways, 0);

    keno.menu().cast->trigger();
    EXPECT_FALSE(way.isVisible());
    expectEmptyTable();
    // The next way ticket starts from its first group again.
    for (int n : {21, 22, 23}) click(n);
    keno.menu().way->trigger();
    EXPECT_EQ(way.ticket()->rowText(1), QStringLiteral("1 / 3"));
    EXPECT_TRUE(way.row(2)->isHidden());
}

TEST_F(TableWindowTicketsTest, WayWithoutItsWindowChangesNothing) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    click(1);
    keno.menu().way->trigger();
    EXPECT_FALSE(item(MenuItem::Way)->isChecked());
    EXPECT_EQ(state_.Kind, TicketKind::Regular);
    EXPECT_EQ(keno.table().cells().tag(1), 201);
}

TEST_F(TableWindowTicketsTest, PayoffsWindowChoosesTheScheduleAndTheCentreFollows) {
    PayoffSchedule first = flatSchedule(money::Dollars(50000));
    PayoffSchedule second = flatSchedule(money::Dollars(7500));
    second.ScheduleNumber = 1;
    writeSchedules({first, second});
    TableWindow& keno = build();
    for (int n : {1, 2, 3, 4}) click(n);

    int shownTab = -1;
    int shownSpots = -1;
    whenShown<PayoffsWindow>([&shownTab, &shownSpots](PayoffsWindow& window) {
        shownTab = window.tabs->currentIndex();
        shownSpots = window.browser().spots();
        HeldArrow& up = *window.arrow(OddsArrow::CasinoUp);
        up.press();
        up.release();
        window.reject();
    });
    keno.menu().payoffsAndOdds->trigger();
    EXPECT_EQ(shownTab, 0);
    EXPECT_EQ(shownSpots, 4);
    EXPECT_EQ(state_.ScheduleNumber, 1);
    EXPECT_EQ(state_.AggregateLimit, money::Dollars(7500));
    expectShows(QStringLiteral("ImageCenter"), QStringLiteral("$7,500 VELLORO"));
}

TEST_F(TableWindowTicketsTest, PauseWindowOpensOnTheGameSettings) {
    writeSchedules(money::Dollars(50000));
    TableWindow& keno = build();
    state_.PauseBetweenGames = 5;
    bool opened = false;
    whenShown<PauseDialog>([&opened](PauseDialog& window) {
        opened = true;
        window.reject();
    });
    keno.menu().pauseGames->trigger();
    EXPECT_TRUE(opened);
    EXPECT_EQ(keno.pauseSettings().gamesEdit(), 5);
    EXPECT_EQ(state_.PauseBetweenGames, 5);  // cancelled: unchanged
}

TEST_F(TableWindowTicketsTest, NextEndsTheWaitAndClosingEndsTheRun) {
    writeSchedules({flatSchedule(money::Dollars(50000))});
    TableWindow& keno = build();
    state_.SoundsOn = false;
    state_.PauseBetweenGames = kPauseUntilNext;
    keno.menu().command(TicketChoice::Bottom)->trigger();
    pressArrow("ImageNOGSU");
    pressArrow("ImageNOGSU");  // 3 games

    // The first wait is ended by NEXT, the second by closing the window.
    int waits = 0;
    int polls = 0;
    auto* step = new QTimer(&keno);
    QObject::connect(step, &QTimer::timeout, &keno, [&keno, &waits, &polls, step] {
        if (++polls == modal_wait::kLimitPolls) {
            ADD_FAILURE() << "NEXT never came up";
            step->stop();
            keno.close();  // ends the run's wait
            return;
        }
        if (!keno.menu().next->isEnabled()) return;
        if (++waits == 1) {
            keno.menu().next->trigger();
        } else {
            step->stop();
            keno.close();
        }
    });
    step->start(5);
    keno.menu().play->trigger();
    EXPECT_EQ(waits, 2);
    EXPECT_EQ(state_.GamesToGo, 1);
    EXPECT_EQ(keno.cycle().phase(), GameCycle::Phase::Idle);
    const std::vector<GameRecord> history = ReadHistory(QStringLiteral("Games.vlr"));
    EXPECT_TRUE(history[1].played());
    EXPECT_FALSE(history[2].played());
}

// PLAY from the keyboard while a price arrow is held: the hidden arrow never
// sees its release, so it must let go rather than go on pricing a paid run.
TEST_F(TableWindowTicketsTest, AnArrowHeldIntoPlayLetsGo) {
    writeSchedules({flatSchedule(money::Dollars(50000))});
    TableWindow& keno = build();
    state_.SoundsOn = false;
    for (int n : {1, 2, 3}) click(n);
    HeldArrow& priceUp = *keno.arrow(207);
    priceUp.press();
    const Money held = state_.PricePerWay;
    keno.menu().play->trigger();
    EXPECT_FALSE(priceUp.isHeld());
    EXPECT_FALSE(priceUp.isRepeating());
    priceUp.tick();
    EXPECT_EQ(state_.PricePerWay, held);
    // The arrow works again after CAST, at the first press.
    keno.menu().open->trigger();
    keno.menu().cast->trigger();
    priceUp.press();
    EXPECT_TRUE(priceUp.isHeld());
    EXPECT_EQ(state_.PricePerWay, money::Dollars(1) + 500);
}
