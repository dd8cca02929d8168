#pragma once

#include <optional>

#include "core/state/GameState.h"
#include "core/ticket/BetControls.h"
#include "core/ticket/MenuRules.h"
#include "game/SoundPlayer.h"
#include "game/TableView.h"
#include "game/Waiter.h"

// What one step of a bet arrow did.
enum class SpinnerOutcome {
    Stepped,           // the value changed and was repainted
    Unchanged,         // a limit refused the step; nothing changed
    AggregateRefused,  // the price would pass the aggregate limit: the notice is due
};

// The board, the bet arrows and the menus of the main window: the window
// routes its mouse events here and this class decides, paints through the
// view and requests the sounds.
class TableControls {
  public:
    TableControls(GameState& state, TableView& view, SoundPlayer& sounds, Waiter& waiter);

    // One step of a bet arrow: repaints the value and the totals. An
    // over-limit price changes nothing and asks for the notice, which the
    // caller shows once its arrow has let go.
    SpinnerOutcome stepArrow(BetArrow arrow);
    // The aggregate notice, modal; returns when it closes.
    void showAggregateNotice() { view_.showAggregateNotice(); }
    void resetBalance();

    void resetTicket();
    void clearDraw();
    // The idle centre message: the aggregate limit in force and " VELLORO".
    void showIdleMessage();
    void updateMenus();
    void updateTicketMenus(bool disableAll);
    void showBetArrows(bool visible);
    void setBoardEnabled(bool enabled);
    bool boardEnabled() const { return boardEnabled_; }

    // Menu items whose state the table keeps; every change reaches the view,
    // and a picture button is shown exactly while its Game item is enabled.
    bool isEnabled(MenuItem item) const { return enabled_.has(item); }
    void setEnabled(MenuItem item, bool enabled);
    // A Tickets item is checked when it names the ticket's kind (the state
    // decides); "Print &Ticket" keeps its own check.
    bool isChecked(MenuItem item) const;
    void setPrintTicket(bool on);
    // The Tickets item of the ticket's kind, if any.
    std::optional<MenuItem> checkedKind() const;
    // Paints an item as the table has it again (after Qt toggled its check by itself).
    void repaintMenuItem(MenuItem item);

    // Requests a sound when the game sounds are on.
    void sound(const sounds::Request& request);

    BoardCells& cells() { return cells_; }
    GameState& state() { return state_; }
    TableView& view() { return view_; }
    Waiter& waiter() { return waiter_; }

    // Repaints a value box, or the price boxes a change of the totals touched.
    void repaintValue(ValueField field);
    void repaintTotals(const TotalsChange& totals);

  private:
    void showButtons();

    GameState& state_;
    TableView& view_;
    SoundPlayer& sounds_;
    Waiter& waiter_;
    BoardCells cells_;
    MenuFlags enabled_;
    bool printTicket_ = false;
    bool boardEnabled_ = true;
};
