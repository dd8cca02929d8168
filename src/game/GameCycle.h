#pragma once

#include "core/state/GameState.h"
#include "core/state/RandomSource.h"
#include "core/ticket/Evaluation.h"
#include "game/RunSeams.h"
#include "game/TableControls.h"

class TicketBuilder;

// The run of games: PLAY, the draw, the waits between balls and between
// games, OPEN, CAST and NEXT. Every wait goes through the Waiter and every
// sound through the table's SoundPlayer, so a test can play a long run at once.
class GameCycle {
  public:
    // Who does the steps of a game beyond the table; all of them are needed.
    struct Steps {
        TicketBuilder& tickets;    // the way rows handed over at PLAY, cleared at CAST
        GameEvaluator& evaluator;  // settles each game
        GameRecorder& recorder;    // writes each game to the history
        TicketPrinting& printer;   // when "Print &Ticket" is checked
    };

    enum class Phase { Idle, Drawing, BetweenGames };
    enum class RunEnd { Finished, Closing, NotAvailable };

    GameCycle(TableControls& table, RandomSource& random, Steps steps);

    // The Game menu items and their picture buttons.
    RunEnd play();
    void open();
    void cast();
    void next();
    // A plain left press of a picture button: pressed look until the
    // release, then the item's handler when it is enabled.
    void onButtonPressed(TableButton button);

    // Draws one game and shows its balls; false when the application is closing.
    bool drawBalls();
    // Fills set 1 of a quick pick and shows each number.
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
    Steps steps_;
    Phase phase_ = Phase::Idle;
    std::int32_t gamesSettled_ = 0;  // games of this run drawn and paid out
};

// "1 Game To Go", "2 Games To Go".
QString GamesToGoText(int gamesToGo);
