#pragma once

#include <functional>

#include "game/RunSeams.h"
#include "game/TableView.h"
#include "game/TicketBuilder.h"
#include "game/Waiter.h"

// A main window that shows nothing, for long headless runs of the table.
class QuietTableView : public TableView {
  public:
    void paintCell(int, CellLook, Rgb) override {}
    void showBall(const CalledBall&) override {}
    void paintButton(TableButton, bool) override {}
    void showStatus(const GameStatus&) override {}
    void showCentreMessage(const QString&) override {}
    void showResult(Money) override {}
    void showValue(ValueField, const QString&) override {}
    void showSpots(int) override {}
    void showBalance(Money) override {}
    void setMenuItem(MenuItem, bool, bool) override {}
    void setButtonVisible(TableButton, bool) override {}
    void setBetArrowsVisible(bool) override {}
    void setQuickPickArrowsVisible(bool) override {}
    void setSpotVisible(bool) override {}
    void showKindCode(const QString&) override {}
    void showWaySummary(const QString&) override {}
    void clearSpecialBox() override {}
    void setBoardEnabled(bool) override {}
    void showAggregateNotice() override {}
    void updateWindow() override {}
};

// For runs that never check "Print &Ticket".
class NoPrinting : public TicketPrinting {
  public:
    void printTicket(const GameState&) override {}
};

// Every wait ends at once and the application never closes.
class InstantWaiter : public Waiter {
  public:
    bool waitUntil(const std::function<bool()>&, int) override { return true; }
    bool processPending() override { return true; }
    void waitForInput() override {}
};

// Way rows nobody sees.
class QuietWayRows : public WayRowsView {
  public:
    bool showRows() override { return true; }
    void paintRows() override {}
    void hideRows() override {}
};

// A recorder and an evaluator that do what the test says.
struct RecorderDoing : GameRecorder {
    explicit RecorderDoing(std::function<void(const GameState&)> what) : does(std::move(what)) {}
    void record(const GameState& state) override { does(state); }
    std::function<void(const GameState&)> does;
};
struct EvaluatorDoing : GameEvaluator {
    explicit EvaluatorDoing(std::function<GameResult(GameState&)> what) : does(std::move(what)) {}
    GameResult evaluate(GameState& state) override { return does(state); }
    std::function<GameResult(GameState&)> does;
};
