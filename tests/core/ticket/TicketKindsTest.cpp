#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "core/ticket/TicketKinds.h"
#include "support/HandDraw.h"

namespace {

std::set<MenuItem> offeredAt(int spots) {
    std::set<MenuItem> offered;
    for (MenuItem item : kinds::TicketItems())
        if (IsOffered(item, spots)) offered.insert(item);
    return offered;
}

std::vector<int> sorted(const std::vector<std::uint8_t>& numbers) {
    std::vector<int> out(numbers.begin(), numbers.end());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<int> setNumbers(const TicketSet& set) {
    return {set.Numbers.begin(), set.Numbers.begin() + set.count()};
}

}  // namespace

TEST(TicketKinds, OfferedRangesFollowTheMarkedSpots) {
    using M = MenuItem;
    EXPECT_EQ(offeredAt(7),
              (std::set<M>{M::AllCatches, M::AllOrNothing, M::CatchAll, M::SuperSpecial, M::Way}));
    EXPECT_EQ(offeredAt(11), std::set<M>{M::BetAgainst});
    EXPECT_EQ(offeredAt(0), (std::set<M>{M::QuickPick, M::Forty, M::FortyForty, M::ThirtyTwoSpot}));
    EXPECT_EQ(offeredAt(16), std::set<M>{});
}

TEST(TicketKinds, TopMarksOneToFortyInTwoSetsAndHidesTheSpotBox) {
    GameState state;
    const auto view = ApplyTicketKind(state, TicketChoice::Top);
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(state.Kind, TicketKind::Forty);
    EXPECT_EQ(state.KindCode, "T");
    EXPECT_EQ(view->specialCode, "T");
    EXPECT_EQ(view->checkedItem, MenuItem::Forty);
    EXPECT_TRUE(view->hideSpotBox);
    EXPECT_FALSE(view->showQuickPickArrows);
    std::vector<int> oneToForty(40);
    std::iota(oneToForty.begin(), oneToForty.end(), 1);
    EXPECT_EQ(sorted(view->markedNumbers), oneToForty);
    EXPECT_EQ(setNumbers(state.Sets[1]),
              std::vector<int>(oneToForty.begin(), oneToForty.begin() + 20));
    EXPECT_EQ(state.SpotsMarked, 20);
    EXPECT_EQ(state.CurrentSet, 2);
}

TEST(TicketKinds, FixedSetsHoldTheirNumbersInTheirOrder) {
    EXPECT_EQ(FixedNumbers(TicketChoice::TheEdge).first,
              (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 21, 31, 41, 51, 61}));
    EXPECT_EQ(FixedNumbers(TicketChoice::TheEdge).second,
              (std::vector<std::uint8_t>{71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 20, 30, 40, 50, 60,
                                         70}));
    EXPECT_EQ(FixedNumbers(TicketChoice::TheInside).first,
              (std::vector<std::uint8_t>{14, 15, 16, 17, 23, 24, 25, 26, 27, 28, 33, 34, 35, 36, 37,
                                         38}));
    EXPECT_EQ(FixedNumbers(TicketChoice::Right).second.front(), 46);
    EXPECT_EQ(FixedNumbers(TicketChoice::Left).first.back(), 35);

    GameState edge, inside;
    const auto edgeView = ApplyTicketKind(edge, TicketChoice::TheEdge);
    const auto insideView = ApplyTicketKind(inside, TicketChoice::TheInside);
    ASSERT_TRUE(edgeView && insideView);
    std::set<int> all(edgeView->markedNumbers.begin(), edgeView->markedNumbers.end());
    all.insert(insideView->markedNumbers.begin(), insideView->markedNumbers.end());
    EXPECT_EQ(all.size(), 64u);  // 32 each, none shared
    EXPECT_EQ(edge.SpotsMarked, 16);
    EXPECT_EQ(inside.CurrentSet, 2);
}

TEST(TicketKinds, TopAndBottomAndQuickPickMarkNothing) {
    GameState state;
    const auto view = ApplyTicketKind(state, TicketChoice::TopAndBottom);
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->specialCode, "TB");
    EXPECT_TRUE(view->markedNumbers.empty());
    EXPECT_TRUE(view->hideSpotBox);
    EXPECT_EQ(state.SpotsMarked, 0);
    EXPECT_EQ(state.CurrentSet, 1);

    GameState quick;
    const auto quickView = ApplyTicketKind(quick, TicketChoice::QuickPick);
    ASSERT_TRUE(quickView.has_value());
    EXPECT_EQ(quick.Kind, TicketKind::Regular);
    EXPECT_EQ(quick.KindCode, "QP");
    EXPECT_EQ(quick.SpotsMarked, 1);
    EXPECT_TRUE(quickView->showQuickPickArrows);
    EXPECT_FALSE(quickView->hideSpotBox);
}

TEST(TicketKinds, KindsOfMarkedTicketsKeepTheNumbersAndRefuseWhatIsNotOffered) {
    GameState state;
    hand_draw::markTicket(state, {1, 2, 3, 4, 5, 6, 7});
    state.SpotsPerSet = 0;
    EXPECT_FALSE(ApplyTicketKind(state, TicketChoice::BetAgainst));
    EXPECT_FALSE(ApplyTicketKind(state, TicketChoice::Top));
    EXPECT_EQ(state.Kind, TicketKind::Regular);

    const auto view = ApplyTicketKind(state, TicketChoice::AllCatches);
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(state.KindCode, "AC");
    EXPECT_EQ(state.SpotsMarked, 7);
    EXPECT_FALSE(view->hideSpotBox);
    // A second kind cannot be laid over the first.
    EXPECT_FALSE(ApplyTicketKind(state, TicketChoice::CatchAll));
    EXPECT_EQ(state.Kind, TicketKind::AllCatches);
}

TEST(TicketKinds, RestoredTicketsCheckTheirKindsItem) {
    EXPECT_EQ(CheckedMenuItem(TicketKind::Regular, "QP"), MenuItem::QuickPick);
    EXPECT_EQ(CheckedMenuItem(TicketKind::Regular, ""), std::nullopt);
    EXPECT_EQ(CheckedMenuItem(TicketKind::FortyForty, "LR"), MenuItem::FortyForty);
    EXPECT_EQ(CheckedMenuItem(TicketKind::Way, ""), MenuItem::Way);
    EXPECT_EQ(CheckedMenuItem(static_cast<TicketKind>(42), ""), std::nullopt);
}
