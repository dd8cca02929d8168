#include <gtest/gtest.h>

#include "core/ticket/BetControls.h"
#include "core/ticket/MenuRules.h"

namespace {

TEST(BetRules, PriceStepsAndTotals) {
    GameState state;
    state.AggregateLimit = money::Dollars(100000);
    state.Ways = 3;
    state.PricePerWay = 500;
    bet::UpdateTotals(state);
    EXPECT_EQ(state.PricePerGame, 1500);  // exactly $0.15

    // The large step is checked unclamped, then clamped to $100.00.
    state.Ways = 1;
    state.PricePerWay = money::Dollars(99) + 5000;
    SpinnerResult up = bet::SpinnerStep(state, BetArrow::PriceUpDollar);
    EXPECT_TRUE(up.stepped);
    EXPECT_EQ(state.PricePerWay, money::Dollars(100));
    EXPECT_TRUE(up.totals.pricePerGame);
    EXPECT_FALSE(bet::SpinnerStep(state, BetArrow::PriceUp).stepped);

    // A way ticket under construction has no ways yet: any price passes.
    state.Ways = 0;
    state.AggregateLimit = 0;
    state.PricePerWay = money::Dollars(2);
    EXPECT_TRUE(bet::SpinnerStep(state, BetArrow::PriceUp).stepped);
}

TEST(BetRules, QuickPickCountStaysWithinOneToTwenty) {
    GameState state;
    state.SpotsMarked = 1;
    EXPECT_FALSE(bet::SpinnerStep(state, BetArrow::SpotsDown).stepped);
    for (int i = 0; i < 25; ++i) bet::SpinnerStep(state, BetArrow::SpotsUp);
    EXPECT_EQ(state.SpotsMarked, 20);
    SpinnerResult down = bet::SpinnerStep(state, BetArrow::SpotsDown);
    EXPECT_EQ(state.SpotsMarked, 19);
    EXPECT_EQ(down.field, ValueField::Spot);
    EXPECT_EQ(bet::ValueText(state, ValueField::Spot), "19 SPOT");
}

TEST(BetRules, RemovingANumberNotInTheSetChangesNothing) {
    GameState state;
    state.Sets[1].Numbers = {4, 8};
    state.SpotsMarked = 2;
    bet::RemoveNumber(state, 9);
    EXPECT_EQ(state.SpotsMarked, 2);
    EXPECT_EQ(state.Sets[1].number(2), 8);
}

TEST(BetRules, ASetNumberPastTheTicketIsRefused) {
    // After the 80th way group of one number the set being filled is 81,
    // one past the ticket; nothing may be written there.
    GameState state;
    state.CurrentSet = kSetCount + 1;
    const GameState before = state;
    EXPECT_FALSE(bet::AddNumber(state, 5));
    bet::RemoveNumber(state, 5);
    EXPECT_EQ(state.CurrentSet, kSetCount + 1);
    EXPECT_EQ(state.SpotsMarked, 0);
    EXPECT_EQ(state.Sets, before.Sets);
}

// The reset is of the ticket and the bet alone: the run, the schedule in
// force and the session's settings stay; the sets keep their hits.
TEST(BetRules, TheTicketResetLeavesTheRunScheduleAndSettings) {
    GameState state;
    state.Sets[1].Numbers = {4, 9};
    state.Sets[1].Hits = 2;
    state.CurrentSet = 3;
    state.CompletedSets = 2;
    state.SpotsMarked = 2;
    state.SpotsPerSet = 2;
    state.Kind = TicketKind::Way;
    state.KindCode = QStringLiteral("W");
    state.Ways = 3;
    state.WayCounts[0] = 2;
    state.NumberOfGames = 40;
    state.PricePerWay = money::Dollars(3);
    state.PricePerGame = money::Dollars(9);
    state.TotalPrice = money::Dollars(360);
    state.GameNumber = 17;
    state.GamesToGo = 12;
    state.Drawn[0] = 9;
    state.GameWin = money::Dollars(4);
    state.Balance = money::Dollars(-20);
    state.AggregateLimit = money::Dollars(5000);
    state.ScheduleNumber = 7;
    state.Payoffs.RegularPayoffs[0][1] = money::Dollars(3);
    state.PauseBetweenGames = 301;
    state.SoundsOn = false;

    bet::ResetTicketState(state);
    EXPECT_EQ(state.Sets[1].count(), 0);
    EXPECT_EQ(state.Sets[1].Hits, 2);
    EXPECT_EQ(state.CurrentSet, 1);
    EXPECT_EQ(state.CompletedSets, 0);
    EXPECT_EQ(state.SpotsMarked, 0);
    EXPECT_EQ(state.SpotsPerSet, 0);
    EXPECT_EQ(state.Kind, TicketKind::Regular);
    EXPECT_TRUE(state.KindCode.isEmpty());
    EXPECT_EQ(state.Ways, 1);
    EXPECT_EQ(state.WayCounts[0], 0);
    EXPECT_EQ(state.NumberOfGames, 1);
    EXPECT_EQ(state.PricePerWay, money::Dollars(1));
    EXPECT_EQ(state.PricePerGame, money::Dollars(1));
    EXPECT_EQ(state.TotalPrice, money::Dollars(1));

    EXPECT_EQ(state.GameNumber, 17);
    EXPECT_EQ(state.GamesToGo, 12);
    EXPECT_EQ(state.Drawn[0], 9);
    EXPECT_EQ(state.GameWin, money::Dollars(4));
    EXPECT_EQ(state.Balance, money::Dollars(-20));
    EXPECT_EQ(state.AggregateLimit, money::Dollars(5000));
    EXPECT_EQ(state.ScheduleNumber, 7);
    EXPECT_EQ(state.Payoffs.RegularPayoffs[0][1], money::Dollars(3));
    EXPECT_EQ(state.PauseBetweenGames, 301);
    EXPECT_FALSE(state.SoundsOn);
}

TEST(MenuRulesTest, TicketItemsOfferedWithSevenMarked) {
    const MenuFlags offered = menu_rules::UpdateTicketMenus(false, 7);
    for (MenuItem item : {MenuItem::AllCatches, MenuItem::AllOrNothing, MenuItem::CatchAll,
                          MenuItem::SuperSpecial, MenuItem::Way})
        EXPECT_TRUE(offered.has(item)) << MenuCaption(item).toStdString();
    for (MenuItem item : {MenuItem::BetAgainst, MenuItem::LastBallDrawn, MenuItem::QuickPick,
                          MenuItem::Forty, MenuItem::FortyForty, MenuItem::ThirtyTwoSpot})
        EXPECT_FALSE(offered.has(item)) << MenuCaption(item).toStdString();

    const MenuFlags empty = menu_rules::UpdateTicketMenus(false, 0);
    EXPECT_TRUE(empty.has(MenuItem::QuickPick));
    EXPECT_TRUE(empty.has(MenuItem::Forty));
    EXPECT_FALSE(empty.has(MenuItem::Way));
    EXPECT_EQ(menu_rules::UpdateTicketMenus(true, 7), MenuFlags{});
}

TEST(MenuRulesTest, GameItemsFollowTheTicket) {
    EXPECT_EQ(menu_rules::UpdateMenus({std::nullopt, 1, 0}),
              (GameItems{false, false, true, false}));
    EXPECT_EQ(menu_rules::UpdateMenus({std::nullopt, 1, 3}), (GameItems{true, true, false, true}));
    // A way ticket without bet rows can be cast but not played.
    EXPECT_EQ(menu_rules::UpdateMenus({MenuItem::Way, 0, 2}),
              (GameItems{false, true, false, false}));
    EXPECT_EQ(menu_rules::UpdateMenus({MenuItem::Way, 6, 0}), (GameItems{true, true, false, true}));
    // Forty Forty marks nothing but is playable; it cannot be restored over.
    EXPECT_EQ(menu_rules::UpdateMenus({MenuItem::FortyForty, 1, 0}),
              (GameItems{true, true, false, true}));
    EXPECT_EQ(menu_rules::UpdateMenus({MenuItem::Forty, 1, 0}),
              (GameItems{true, true, true, true}));

    MenuFlags enabled;
    enabled.set(MenuItem::Open);
    enabled.set(MenuItem::Next);
    EXPECT_EQ(menu_rules::SyncButtons(enabled), (ButtonsVisible{false, true, false, true}));
}

}  // namespace
