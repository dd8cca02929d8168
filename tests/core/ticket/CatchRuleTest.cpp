#include <gtest/gtest.h>

#include "core/ticket/CatchRule.h"
#include "support/HandDraw.h"

using hand_draw::draw;

TEST(CatchRule, MarkedTicketCatchesOnlyItsFirstSpotsPerSetNumbers) {
    GameState state;
    hand_draw::markTicket(state, {5, 9, 12});
    state.SpotsPerSet = 2;  // 12 sits beyond the spots in play
    const auto catches = draw(state, {9, 70, 12, 5});
    EXPECT_TRUE(catches[0].caught);
    EXPECT_EQ(catches[0].colourSet, 1);
    EXPECT_FALSE(catches[1].caught);
    EXPECT_FALSE(catches[2].caught);
    EXPECT_EQ(state.Sets[1].Hits, 2);
}

TEST(CatchRule, SetsAreSearchedPositionByPositionAndTheFirstMatchCounts) {
    GameState state;
    state.Kind = TicketKind::Way;
    state.Sets[1].Numbers = {7, 9};
    state.Sets[2].Numbers = {9, 8};
    state.Sets[3].Numbers = {30, 31};
    state.CurrentSet = 2;  // set 3 lies beyond the sets the draw scans
    state.SpotsPerSet = 2;
    const auto catches = draw(state, {9, 30});
    EXPECT_EQ(catches[0].colourSet, 2);  // position 1 of set 2 comes before position 2 of set 1
    EXPECT_EQ(state.Sets[2].Hits, 1);
    EXPECT_EQ(state.Sets[1].Hits, 0);
    EXPECT_FALSE(catches[1].caught);
}

TEST(CatchRule, FortyFortyCountsTheFirstHalfButShowsNoBallCaught) {
    GameState state;
    state.Kind = TicketKind::FortyForty;
    state.KindCode = "TB";
    for (const BallCatch& c : draw(state, {1, 40, 41, 80, 5})) EXPECT_FALSE(c.caught);
    EXPECT_EQ(state.Sets[1].Hits, 3);

    GameState leftRight;
    leftRight.Kind = TicketKind::FortyForty;
    leftRight.KindCode = "LR";
    draw(leftRight, {1, 5, 6, 75, 76, 80});
    EXPECT_EQ(leftRight.Sets[1].Hits, 3);
}

TEST(CatchRule, RegionKindsCatchByCodeInSetOnesColour) {
    GameState state;
    state.Kind = TicketKind::ThirtyTwoSpot;
    state.KindCode = "I";
    const auto catches = draw(state, {14, 13, 67, 80});
    EXPECT_TRUE(catches[0].caught);
    EXPECT_FALSE(catches[1].caught);
    EXPECT_EQ(catches[2].colourSet, 1);
    EXPECT_FALSE(catches[3].caught);
    EXPECT_EQ(state.Sets[1].Hits, 2);

    state.KindCode = "X";  // an unknown code catches nothing
    EXPECT_FALSE(CatchBall(state, 14).caught);
}

TEST(CatchRule, DamagedTicketsAndBallsOutsideTheBoardAreHarmless) {
    GameState state;
    state.CurrentSet = 0;
    state.SpotsPerSet = 200;
    EXPECT_FALSE(CatchBall(state, 0).caught);
    EXPECT_FALSE(CatchBall(state, 81).caught);
    state.CurrentSet = 255;
    state.Sets[80].Numbers[19] = 44;
    EXPECT_EQ(CatchBall(state, 44).colourSet, 80);
}

TEST(ClearDraw, DrawnCellsGoBackToTheirMarkedOrPlainLook) {
    GameState state;
    state.Kind = TicketKind::Way;
    state.Sets[1].Numbers = {3, 4};
    state.Sets[2].Numbers = {10, 11};
    state.CurrentSet = 3;
    state.SpotsPerSet = 2;
    draw(state, {11, 50, 3});
    const auto cells = ClearedCells(state);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].number, 11);
    EXPECT_TRUE(cells[0].marked);
    EXPECT_EQ(cells[0].colourSet, 2);
    EXPECT_FALSE(cells[1].marked);
    EXPECT_EQ(cells[2].colourSet, 1);

    ForgetDraw(state);
    EXPECT_EQ(state.Sets[2].Hits, 0);
    EXPECT_EQ(state.Drawn, decltype(state.Drawn){});
}

TEST(ClearDraw, RegionKindsUseSetOnesColourAndAnEmptyTicketIsLeftAlone) {
    GameState forty;
    forty.Kind = TicketKind::Forty;
    forty.KindCode = "T";
    for (int i = 0; i < 20; ++i) {
        forty.Sets[1].Numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
        forty.Sets[2].Numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 21);
    }
    forty.CurrentSet = 2;
    forty.SpotsPerSet = 20;
    draw(forty, {35});
    EXPECT_EQ(ClearedCells(forty).front().colourSet, 1);

    GameState fortyForty;
    fortyForty.Kind = TicketKind::FortyForty;
    fortyForty.KindCode = "TB";
    draw(fortyForty, {2, 60});
    const auto cells = ClearedCells(fortyForty);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_FALSE(cells[0].marked);

    GameState empty;
    draw(empty, {2, 60});
    EXPECT_TRUE(ClearedCells(empty).empty());
}
