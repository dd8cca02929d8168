#include <gtest/gtest.h>

#include "core/state/BoardNavigation.h"

namespace {

using Move = BoardNavigation::Move;

}  // namespace

TEST(BoardNavigation, ArrowsStepOverTheBoardAndStopAtItsEdges) {
    // Along a row, and not round into the next one.
    EXPECT_EQ(BoardNavigation::moved(17, Move::Right), 18);
    EXPECT_EQ(BoardNavigation::moved(10, Move::Right), 10);
    EXPECT_EQ(BoardNavigation::moved(11, Move::Left), 11);
    EXPECT_EQ(BoardNavigation::moved(80, Move::Right), 80);
    // Across the rows, from the top panel into the bottom one and back.
    EXPECT_EQ(BoardNavigation::moved(37, Move::Down), 47);
    EXPECT_EQ(BoardNavigation::moved(47, Move::Up), 37);
    EXPECT_EQ(BoardNavigation::moved(3, Move::Up), 3);
    EXPECT_EQ(BoardNavigation::moved(75, Move::Down), 75);
    EXPECT_EQ(BoardNavigation::moved(55, Move::First), 1);
    EXPECT_EQ(BoardNavigation::moved(55, Move::Last), 80);
}

TEST(BoardNavigation, TypedDigitsMakeANumberWithinASecond) {
    BoardNavigation typing;
    EXPECT_EQ(typing.typeDigit(1, 10'000), 1);  // at once, before a second digit may come
    EXPECT_EQ(typing.typeDigit(7, 10'600), 17);
    // A third digit starts a new number.
    EXPECT_EQ(typing.typeDigit(8, 10'700), 8);
    EXPECT_EQ(typing.typeDigit(0, 11'700), 80);  // exactly a second later still joins
    EXPECT_EQ(typing.typeDigit(4, 20'000), 4);
    EXPECT_EQ(typing.typeDigit(5, 21'001), 5);  // too late: a number of its own
    // 9 begins no pair; a pair past 80 starts over from its second digit.
    EXPECT_EQ(typing.typeDigit(9, 30'000), 9);
    EXPECT_EQ(typing.typeDigit(3, 30'100), 3);
    EXPECT_EQ(typing.typeDigit(8, 40'000), 8);
    EXPECT_EQ(typing.typeDigit(5, 40'100), 5);
    EXPECT_EQ(typing.typeDigit(2, 40'200), 52);
    // 0 alone goes nowhere, but 0 then 7 is 7.
    EXPECT_EQ(typing.typeDigit(0, 50'000), std::nullopt);
    EXPECT_EQ(typing.typeDigit(7, 50'100), 7);
    EXPECT_EQ(typing.typeDigit(10, 60'000), std::nullopt);
}
