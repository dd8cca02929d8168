#pragma once

#include <functional>

#include "core/state/GameState.h"
#include "core/state/RandomSource.h"
#include "core/ticket/CatchRule.h"
#include "core/ticket/Evaluation.h"
#include "game/TableControls.h"

// The run of games: PLAY, the draw, the waits between balls and between
// games, OPEN, CAST and NEXT. Every wait goes through the Waiter and every
// sound through the table's SoundPlayer, so a test can play a long run at once.
class GameCycle {
  public:
    struct Hooks {
        // Sets GameWin and Balance; by default the schedule's evaluation.
        std::function<GameResult()> evaluateGame;
        std::function<void()> recordGame;     // writes the game to the history
        std::function<void()> printTicket;    // when "Print &Ticket" is checked
        std::function<void()> takeWayBets;    // way window's rows -> WayCounts, hidden
        std::function<void()> hideWayWindow;  // CAST of a way ticket
        std::function<BallCatch(GameState&, int)> catchBall = CatchBall;
    };

    enum class Phase { Idle, Drawing, BetweenGames };
    enum class RunEnd { Finished, Closing, NotAvailable };

    GameCycle(TableControls& table, RandomSource& random, Hooks hooks);

    // The Game menu items and their picture buttons.
    RunEnd play();
    void open();
    void cast();
    void next();
    // Pressed look until the release, then the item's handler when it is enabled.
    void onButtonPressed(TableButton button, bool leftButtonAlone);

    // Draws one game; false when the application is closing.
    bool drawBalls();
    void quickPick();
    // The next game number (999 wraps to 0) and "OPEN" in the status boxes.
    void openNextGame();
    // "CLOSED" in the status boxes: the game is being drawn.
    void showClosed();

    Phase phase() const { return phase_; }

  private:
    bool playOneGame();
    void finishRun();
    void refundUnplayedGames();
    bool waitBetweenGames();
    void playSound(sounds::Cue cue, int variant = 0) { table_.sound({cue, variant}); }

    TableControls& table_;
    GameState& state_;
    TableView& view_;
    Waiter& waiter_;
    RandomSource& random_;
    Hooks hooks_;
    Phase phase_ = Phase::Idle;
    std::int32_t gamesSettled_ = 0;  // games of this run drawn and paid out
};

// "1 Game To Go", "2 Games To Go".
QString gamesToGoText(int gamesToGo);
