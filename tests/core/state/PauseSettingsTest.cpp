#include <gtest/gtest.h>

#include <QStringList>

#include "core/state/PauseSettings.h"

namespace {

TEST(PauseSettingsTest, RowsWrapAtTheirEnds) {
    GameState state;
    state.PauseBetweenNumbers = 60;
    state.PricePerGame = 0;  // the threshold starts from the price per game
    PauseSettings pause;
    pause.open(state, state.PricePerGame);
    pause.step(PauseArrow::NumbersUp);
    EXPECT_EQ(pause.numbersEdit(), 0);
    EXPECT_EQ(pause.numbersTexts().value, "");
    EXPECT_EQ(pause.numbersTexts().label, "Don't Pause Between Numbers");
    pause.step(PauseArrow::NumbersDown);
    EXPECT_EQ(pause.numbersTexts().value, "60");
    EXPECT_EQ(pause.numbersTexts().label, "Second Pause Between Numbers");

    pause.step(PauseArrow::GamesDown);  // from 0
    EXPECT_EQ(pause.gamesEdit(), 301);
    EXPECT_EQ(pause.gamesTexts().value, "");
    EXPECT_EQ(pause.gamesTexts().label, "Pause Between Games");
    pause.step(PauseArrow::GamesDown);
    EXPECT_EQ(pause.gamesTexts().value, "300");
    EXPECT_EQ(pause.gamesTexts().label, "Second Pause Between Games");
    pause.step(PauseArrow::GamesUp);
    pause.step(PauseArrow::GamesUp);
    EXPECT_EQ(pause.gamesEdit(), 0);

    pause.step(PauseArrow::WinningDown);  // below $0.00
    EXPECT_EQ(pause.winEdit(), money::Dollars(100000));
    pause.step(PauseArrow::WinningUp);
    EXPECT_EQ(pause.winEdit(), 0);
}

TEST(PauseSettingsTest, LabelClicks) {
    PauseSettings pause;
    GameState state;
    state.PauseBetweenGames = 150;
    pause.open(state, state.PricePerGame);
    pause.clickGamesLabel();
    EXPECT_EQ(pause.gamesTexts().label, "Pause Between Games");
    state.PauseBetweenGames = 151;
    pause.open(state, state.PricePerGame);
    pause.clickGamesLabel();
    EXPECT_EQ(pause.gamesTexts().label, "Don't Pause Between Games");
    EXPECT_EQ(pause.gamesEdit(), 0);

    EXPECT_FALSE(pause.clickNumbersLabel());  // already no pause
    state.PauseBetweenNumbers = 9;
    pause.open(state, state.PricePerGame);
    EXPECT_TRUE(pause.clickNumbersLabel());
    EXPECT_EQ(pause.numbersEdit(), 0);

    pause.clickWinningLabel(money::Dollars(3));  // from $0.00 to the price
    EXPECT_EQ(pause.winningText(), "$3.00");
    pause.clickWinningLabel(money::Dollars(3));
    EXPECT_EQ(pause.winningText(), "$0.00");
}

TEST(PauseSettingsTest, HeldWinningArrowGrowsItsStep) {
    GameState state;
    state.PauseBetweenGames = 5;  // keeps the threshold instead of taking the price
    PauseSettings pause;
    pause.open(state, state.PricePerGame);
    pause.step(PauseArrow::WinningUp);
    QStringList shown{pause.winningText()};
    for (int i = 0; i < 4; ++i) {
        pause.heldStep(PauseArrow::WinningUp);
        shown.append(pause.winningText());
    }
    EXPECT_EQ(shown, (QStringList{"$0.05", "$0.10", "$0.25", "$0.50", "$0.85"}));
    pause.released();
    EXPECT_EQ(pause.winStep(), 500);
    // The step falls back to $0.05 once it passes $1,000.00.
    for (int i = 0; i < 10000; ++i) pause.heldStep(PauseArrow::NumbersUp);
    EXPECT_EQ(pause.winStep(), 500);  // 10000 growths pass $1,000.00 exactly here
}

TEST(PauseSettingsTest, OpeningTakesThePriceOnlyWithoutAGamesPause) {
    GameState state;
    state.PricePerGame = money::Dollars(4);
    PauseSettings pause;
    pause.open(state, state.PricePerGame);
    EXPECT_EQ(pause.winEdit(), money::Dollars(4));
    pause.step(PauseArrow::GamesUp);
    pause.step(PauseArrow::WinningUp);
    // Cancel: nothing committed; the next opening starts from the settings.
    pause.open(state, state.PricePerGame);
    EXPECT_EQ(pause.gamesEdit(), 0);
    pause.step(PauseArrow::GamesUp);
    pause.commit(state);
    EXPECT_EQ(state.PauseBetweenGames, 1);
    EXPECT_EQ(state.PauseWinThreshold, money::Dollars(4));
    state.PricePerGame = money::Dollars(9);
    pause.step(PauseArrow::WinningUp);
    pause.open(state, state.PricePerGame);  // a games pause is set: the threshold carries over
    EXPECT_EQ(pause.winEdit(), money::Dollars(4) + 500);
}

}  // namespace
