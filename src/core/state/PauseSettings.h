#pragma once

#include <QString>

#include "core/state/GameState.h"

// The six arrows of the "Pause Games" window, an up and a down for each row.
enum class PauseArrow { NumbersUp, NumbersDown, GamesUp, GamesDown, WinningUp, WinningDown };

// The working values of the "Pause Games" window. One object lives as long as
// the program, because the winning threshold and its step outlive the window.
class PauseSettings {
  public:
    static constexpr std::int32_t kMostNumbersPause = 60;
    static constexpr Money kMostThreshold = money::Dollars(100000);
    static constexpr Money kFirstWinStep = 500;    // $0.05
    static constexpr Money kWinStepGrowth = 1000;  // $0.10
    static constexpr Money kLargestWinStep = money::Dollars(1000);

    // The row texts: the value box (empty for none) and the label beside it.
    struct RowTexts {
        QString value;
        QString label;
    };

    // Copies the settings when the window opens; with no pause between games
    // the winning threshold starts at the price per game.
    void open(const SessionSettings& settings, Money pricePerGame);
    // One step of an arrow, with the wraps at the ends.
    void step(PauseArrow arrow);
    // A held arrow's repeat: one step, then the winning step grows.
    void heldStep(PauseArrow arrow);
    // The arrow was released: the winning step starts small again.
    void released() { winStep_ = kFirstWinStep; }

    // Label clicks; false when nothing changed (no sound, no repaint).
    bool clickNumbersLabel();
    void clickGamesLabel();
    void clickWinningLabel(Money pricePerGame);

    // OK: the working values become the game's settings.
    void commit(SessionSettings& settings) const;

    RowTexts numbersTexts() const;
    RowTexts gamesTexts() const;
    QString winningText() const { return money::Currency(winEdit_); }

    std::int32_t numbersEdit() const { return numbersEdit_; }
    std::int32_t gamesEdit() const { return gamesEdit_; }
    Money winEdit() const { return winEdit_; }
    Money winStep() const { return winStep_; }

  private:
    std::int32_t numbersEdit_ = 0;
    std::int32_t gamesEdit_ = 0;
    Money winEdit_ = 0;
    Money winStep_ = kFirstWinStep;
};
