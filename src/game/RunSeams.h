#pragma once

#include <QString>

#include "core/ticket/Evaluation.h"

struct GameState;
class RandomSource;

// What the run of games asks beyond the table, each step required: a run
// never goes on without recording, evaluating or printing because nobody
// was there to do it.

// Writes each evaluated game to the history before its result is shown.
class GameRecorder {
  public:
    virtual ~GameRecorder() = default;
    // Throws IoError when the game cannot be written.
    virtual void record(const GameState& state) = 0;
};

// The session's games history: the file, and whether recording is on (it is
// off for a session whose file was found damaged at start-up).
class HistoryRecorder : public GameRecorder {
  public:
    HistoryRecorder(QString path, bool recordingOn) : path_(std::move(path)), on_(recordingOn) {}
    void record(const GameState& state) override;
    const QString& path() const { return path_; }
    bool recordingOn() const { return on_; }

  private:
    QString path_;
    bool on_ = false;
};

// Settles the game just drawn: sets GameWin and Balance.
class GameEvaluator {
  public:
    virtual ~GameEvaluator() = default;
    virtual GameResult evaluate(GameState& state) = 0;
};

// The schedule's own evaluation, with the draw's random source.
class ScheduleEvaluator : public GameEvaluator {
  public:
    explicit ScheduleEvaluator(RandomSource& random) : random_(random) {}
    GameResult evaluate(GameState& state) override { return EvaluateGame(state, random_); }

  private:
    RandomSource& random_;
};

// Prints the ticket of the game being closed ("Print &Ticket" is checked).
// Throws IoError when the print fails.
class TicketPrinting {
  public:
    virtual ~TicketPrinting() = default;
    virtual void printTicket(const GameState& state) = 0;
};
