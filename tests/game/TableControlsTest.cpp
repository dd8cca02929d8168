#include <gtest/gtest.h>

#include "game/TableControls.h"
#include "game/TableFakes.h"
#include "game/TicketBuilder.h"
#include "support/QuietTable.h"

namespace {

struct TableControlsTest : ::testing::Test {
    GameState state;
    StepLog log;
    FakeTableView view{log};
    FakeWaiter waiter{log};
    LoggingSoundPlayer sounds{log};
    TableControls table{state, view, sounds, waiter};
    QuietWayRows rows;
    TicketBuilder tickets{table, rows};

    void click(int n) { tickets.onCellPressed(n); }
    std::vector<int> set1() const {
        return {state.Sets[1].Numbers.begin(), state.Sets[1].Numbers.begin() + 4};
    }
    // The steps of an arrow pressed and held for `repeats` more steps.
    void hold(BetArrow arrow, int repeats) {
        for (int i = 0; i <= repeats; ++i) table.stepArrow(arrow);
    }
};

TEST_F(TableControlsTest, MarkingAndRemovingClosesTheGap) {
    click(5);
    click(9);
    click(12);
    EXPECT_EQ(waiter.inputWaits, 3);  // each mark holds its pressed look until the release
    click(9);
    EXPECT_EQ(set1(), (std::vector<int>{5, 12, 0, 0}));
    EXPECT_EQ(state.SpotsMarked, 2);
    EXPECT_EQ(table.cells().tag(9), 109);
    EXPECT_EQ(table.cells().tag(12), 212);
    EXPECT_EQ(view.looks[9], CellLook::Unmarked);
    EXPECT_EQ(view.looks[12], CellLook::Marked);
    EXPECT_EQ(view.colours[12], (Rgb{255, 255, 0}));  // set 1's colour
    EXPECT_EQ(view.spots, 2);
    EXPECT_EQ(sounds.requests, (QStringList{"WAVE_83", "WAVE_83", "WAVE_83", "WAVE_86"}));
    EXPECT_TRUE(table.isEnabled(MenuItem::Play));
    EXPECT_TRUE(view.buttons[TableButton::Play]);
}

TEST_F(TableControlsTest, TheTwentyFirstNumberIsRefusedSilently) {
    for (int n = 1; n <= 20; ++n) click(n);
    sounds.requests.clear();
    click(21);
    EXPECT_TRUE(sounds.requests.isEmpty());
    EXPECT_EQ(table.cells().tag(21), 121);
    EXPECT_EQ(state.SpotsMarked, 20);
    EXPECT_EQ(state.Sets[1].count(), 20);
    // A marked number can still be taken off at the limit.
    click(20);
    EXPECT_EQ(state.SpotsMarked, 19);
}

// Other buttons and keys never reach the board: the picture control sends
// only plain left presses (HeldArrowTest).
TEST_F(TableControlsTest, LockedCellsAndAClosedBoardDoNothing) {
    table.cells().lock(8);
    click(8);
    table.setBoardEnabled(false);
    click(9);
    EXPECT_EQ(state.SpotsMarked, 0);
    EXPECT_TRUE(sounds.requests.isEmpty());
    EXPECT_EQ(view.cellPaints, 0);
}

TEST_F(TableControlsTest, AFullWayGroupIsHandedOver) {
    state.Kind = TicketKind::Way;
    state.SpotsPerSet = 2;
    click(30);
    EXPECT_EQ(state.CompletedSets, 0);
    click(31);
    EXPECT_EQ(state.CompletedSets, 1);
    EXPECT_EQ(table.cells().tag(31), 331);  // locked into its group
    // The group is handed over: a third number starts the next one.
    click(32);
    EXPECT_EQ(state.CurrentSet, 2);
    EXPECT_EQ(state.SpotsMarked, 1);
}

TEST_F(TableControlsTest, HoldingTheLargeGamesArrowCountsByTensToTheTop) {
    std::vector<int> seen;
    for (int i = 0; i < 102; ++i) {
        const SpinnerOutcome outcome = table.stepArrow(BetArrow::GamesUpTen);
        EXPECT_EQ(outcome, i < 100 ? SpinnerOutcome::Stepped : SpinnerOutcome::Unchanged) << i;
        seen.push_back(state.NumberOfGames);
    }
    EXPECT_EQ(seen[0], 11);
    EXPECT_EQ(seen[1], 21);
    EXPECT_EQ(seen[98], 991);
    EXPECT_EQ(seen[99], 1000);
    EXPECT_EQ(seen[100], 1000);
    EXPECT_EQ(view.values[ValueField::NumberOfGames], "1000");
    EXPECT_EQ(view.values[ValueField::TotalPrice], "$1,000.00");
    EXPECT_TRUE(sounds.requests.isEmpty());  // the clicks are the arrow's, not the step's
}

TEST_F(TableControlsTest, DownArrowsStopAtTheirFloors) {
    state.NumberOfGames = 5;
    hold(BetArrow::GamesDownTen, 0);
    EXPECT_EQ(state.NumberOfGames, 1);
    state.PricePerWay = money::kOneDollar / 2;
    hold(BetArrow::PriceDownDollar, 0);
    EXPECT_EQ(state.PricePerWay, 500);
    view.values.erase(ValueField::PricePerWay);
    EXPECT_EQ(table.stepArrow(BetArrow::PriceDown), SpinnerOutcome::Unchanged);
    EXPECT_EQ(view.values.count(ValueField::PricePerWay), 0u);  // a refused step paints nothing
    EXPECT_EQ(state.PricePerWay, 500);
    EXPECT_EQ(view.values[ValueField::PricePerGame], "$0.05");
}

// The step only reports the refusal: the arrow lets go before the notice opens.
TEST_F(TableControlsTest, APriceOverTheAggregateLimitIsRefusedForTheNotice) {
    state.AggregateLimit = money::Dollars(50000);
    state.Ways = 600;
    state.PricePerWay = money::Dollars(83);
    EXPECT_EQ(table.stepArrow(BetArrow::PriceUpDollar), SpinnerOutcome::AggregateRefused);
    EXPECT_EQ(view.notices, 0);
    EXPECT_EQ(state.PricePerWay, money::Dollars(83));
    table.showAggregateNotice();
    EXPECT_EQ(view.notices, 1);
    // $83.05 x 600 = $49,830 still fits.
    EXPECT_EQ(table.stepArrow(BetArrow::PriceUp), SpinnerOutcome::Stepped);
    EXPECT_EQ(state.PricePerWay, money::Dollars(83) + 500);
}

TEST_F(TableControlsTest, AHeldPriceArrowIsRefusedWhenItReachesTheLimit) {
    state.AggregateLimit = money::Dollars(5);
    state.PricePerWay = money::Dollars(3);
    EXPECT_EQ(table.stepArrow(BetArrow::PriceUpDollar), SpinnerOutcome::Stepped);  // $4.00
    EXPECT_EQ(table.stepArrow(BetArrow::PriceUpDollar), SpinnerOutcome::Stepped);  // $5.00
    EXPECT_EQ(table.stepArrow(BetArrow::PriceUpDollar), SpinnerOutcome::AggregateRefused);
    EXPECT_EQ(state.PricePerWay, money::Dollars(5));
}

TEST_F(TableControlsTest, ResetTicketAndResetBalance) {
    click(3);
    state.NumberOfGames = 7;
    state.Balance = -25000;
    state.AggregateLimit = money::Dollars(50000);
    table.resetTicket();
    EXPECT_EQ(state.SpotsMarked, 0);
    EXPECT_EQ(state.Sets[1].count(), 0);
    EXPECT_EQ(state.NumberOfGames, 1);
    EXPECT_EQ(view.looks[3], CellLook::Unmarked);
    EXPECT_EQ(view.spots, 0);
    EXPECT_EQ(view.centre, "$50,000 VELLORO");
    EXPECT_EQ(table.cells().tag(3), 203);  // CAST resets the tags, not the ticket reset
    table.resetBalance();
    EXPECT_EQ(state.Balance, 0);
    EXPECT_EQ(view.caption, "&You're Ahead $0.00");
}

}  // namespace
