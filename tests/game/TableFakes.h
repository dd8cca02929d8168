#pragma once

#include <array>
#include <functional>
#include <map>
#include <vector>

#include "core/state/GameState.h"
#include "core/ticket/Evaluation.h"
#include "game/SoundPlayer.h"
#include "game/TableView.h"
#include "game/Waiter.h"

// One log for the steps of the view, the waits and the sounds, in order.
struct StepLog {
    QStringList lines;
    QStringList matching(const QString& prefix) const {
        QStringList found;
        for (const QString& line : lines)
            if (line.startsWith(prefix)) found.append(line);
        return found;
    }
};

// Remembers what the window would show; logs the steps the tests look at.
class FakeTableView : public TableView {
  public:
    explicit FakeTableView(StepLog& log) : log_(log) {}

    void paintCell(int number, CellLook look, Rgb colour) override {
        looks[static_cast<std::size_t>(number)] = look;
        colours[static_cast<std::size_t>(number)] = colour;
        ++cellPaints;
    }
    void showBall(const CalledBall& ball) override {
        paintCell(ball.number, ball.caught ? CellLook::Caught : CellLook::NotCaught, ball.colour);
        balls.push_back(ball);
    }
    void paintButton(TableButton, bool) override {}
    void showStatus(const GameStatus& status) override {
        statusWord = StatusWord(status);
        statusColour = StatusColour(status);
        gameNumber = GameNumberText(status.gameNumber);
        log_.lines.append(QStringLiteral("status ") + statusWord + QLatin1Char(' ') + gameNumber);
    }
    void showCentreMessage(const QString& text) override {
        centre = text;
        log_.lines.append(QStringLiteral("centre ") + text);
    }
    void showResult(Money gameWin) override { showCentreMessage(ResultText(gameWin)); }
    void showValue(ValueField field, const QString& text) override { values[field] = text; }
    void showSpots(int count) override { spots = count; }
    void showBalance(Money balance) override { caption = BalanceCaption(balance); }
    void setMenuItem(MenuItem item, bool enabled, bool checked) override {
        menuEnabled[item] = enabled;
        menuChecked[item] = checked;
    }
    void setButtonVisible(TableButton button, bool visible) override { buttons[button] = visible; }
    void setBetArrowsVisible(bool visible) override { betArrows = visible; }
    void setQuickPickArrowsVisible(bool visible) override { quickPickArrows = visible; }
    void setSpotVisible(bool visible) override { spotVisible = visible; }
    void showKindCode(const QString& code) override { special = code; }
    void showWaySummary(const QString& summary) override { special = summary; }
    void clearSpecialBox() override { specialCleared = true; }
    void setBoardEnabled(bool enabled) override { board = enabled; }
    void showAggregateNotice() override { ++notices; }
    void updateWindow() override { ++updates; }

    std::array<CellLook, 81> looks{};
    std::array<Rgb, 81> colours{};
    int cellPaints = 0;
    std::vector<CalledBall> balls;  // in the order called
    QString statusWord, gameNumber, centre, caption, special;
    Rgb statusColour;
    std::map<ValueField, QString> values;
    int spots = -1;  // none shown yet
    std::map<MenuItem, bool> menuEnabled, menuChecked;
    std::map<TableButton, bool> buttons;
    bool betArrows = true, quickPickArrows = false, spotVisible = true, specialCleared = false,
         board = true;
    int updates = 0;
    int notices = 0;

  private:
    StepLog& log_;
};

// Returns at once and logs every wait; `duringWait` plays the player's part.
class FakeWaiter : public Waiter {
  public:
    explicit FakeWaiter(StepLog& log) : log_(log) {}

    bool waitUntil(const std::function<bool()>& done, int milliseconds) override {
        log_.lines.append(milliseconds < 0 ? QStringLiteral("wait until NEXT")
                                           : QStringLiteral("wait %1").arg(milliseconds));
        if (duringWait) duringWait(milliseconds);
        if (milliseconds < 0) endedByDone.append(done());
        return countDown();
    }
    bool processPending() override { return countDown(); }
    void waitForInput() override { ++inputWaits; }

    std::function<void(int)> duringWait;
    QList<bool> endedByDone;
    int inputWaits = 0;
    int closeAfter = -1;  // the application closes at this many waits from now

  private:
    bool countDown() {
        if (closeAfter < 0) return true;
        return closeAfter-- > 0;
    }
    StepLog& log_;
};

// The recorder that also writes into the shared step log.
class LoggingSoundPlayer : public RecordingSoundPlayer {
  public:
    explicit LoggingSoundPlayer(StepLog& log) : log_(log) {}
    void play(const QString& name, Wait wait) override {
        RecordingSoundPlayer::play(name, wait);
        log_.lines.append(QStringLiteral("sound ") + requests.last());
    }

  private:
    StepLog& log_;
};
