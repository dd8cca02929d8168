#pragma once

#include <QString>
#include <cstdint>

#include "core/state/Money.h"
#include "core/state/Palette.h"
#include "core/ticket/BetControls.h"
#include "core/ticket/MenuRules.h"

// The looks of a board cell.
enum class CellLook {
    Unmarked,   // blue sunken, silver number
    Pressed,    // blue sunken, number and check glyph in silver
    Marked,     // blue raised, black number, check glyph in the set colour
    Caught,     // red raised, black number, check glyph in the set colour
    NotCaught,  // red sunken, silver number
};

// A ball as it is called: its place in the draw (0..19), its number, and
// whether a set caught it, with that set's colour (silver when none did).
struct CalledBall {
    int index = 0;
    int number = 0;
    bool caught = false;
    Rgb colour;
};

// What the status boxes tell: the game's number and whether it is open for
// a ticket or being drawn.
struct GameStatus {
    std::int32_t gameNumber = 0;
    bool open = false;
};

// The word, its colour and the number the status boxes show.
QString StatusWord(const GameStatus& status);
Rgb StatusColour(const GameStatus& status);

// The four picture buttons of the table.
enum class TableButton { Play, Open, Cast, Next };

// What the table logic asks of the main window. The window only paints and
// shows; every decision is taken before these calls.
class TableView {
  public:
    virtual ~TableView() = default;

    // checkColour matters for the looks with a check glyph.
    virtual void paintCell(int number, CellLook look, Rgb checkColour) = 0;
    // A drawn ball on its cell, caught or not.
    virtual void showBall(const CalledBall& ball) = 0;
    virtual void paintButton(TableButton button, bool pressed) = 0;
    // The four status boxes: "GAME", word, "GAME", game number ("007").
    virtual void showStatus(const GameStatus& status) = 0;
    // A message between games in the centre box ("3 Games To Go").
    virtual void showCentreMessage(const QString& text) = 0;
    // The game's win in the centre box; none is a bust.
    virtual void showResult(Money gameWin) = 0;
    // A bet box other than the spots: "12", "$1.00".
    virtual void showValue(ValueField field, const QString& text) = 0;
    // The spot box's count.
    virtual void showSpots(int spots) = 0;
    // The winnings menu's caption.
    virtual void showBalance(Money balance) = 0;
    virtual void setMenuItem(MenuItem item, bool enabled, bool checked) = 0;
    virtual void setButtonVisible(TableButton button, bool visible) = 0;
    // The eight arrows of NUMBER OF GAMES and PRICE PER WAY.
    virtual void setBetArrowsVisible(bool visible) = 0;
    virtual void setQuickPickArrowsVisible(bool visible) = 0;
    virtual void setSpotVisible(bool visible) = 0;
    // The special box: the kind code in large letters, or the way summary.
    virtual void showKindCode(const QString& kindCode) = 0;
    virtual void showWaySummary(const QString& summary) = 0;
    // Fill the special box green and hide it.
    virtual void clearSpecialBox() = 0;
    virtual void setBoardEnabled(bool enabled) = 0;
    // The aggregate-limit notice, modal; returns when it closes.
    virtual void showAggregateNotice() = 0;
    // Repaint now, without waiting for the event loop.
    virtual void updateWindow() = 0;
};
