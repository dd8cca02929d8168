#pragma once

#include <functional>
#include <optional>

#include "core/state/GameState.h"
#include "core/ticket/BetControls.h"
#include "core/ticket/MenuRules.h"
#include "game/SoundPlayer.h"
#include "game/TableView.h"
#include "game/Waiter.h"

// What the window does with its spinner repeat timer after an arrow event.
enum class RepeatTimer {
    Unchanged,
    Start,  // start at 500 ms
    Fast,   // go on at 50 ms
    Stop,
};

// The board, the bet arrows and the menus of the main window: the window
// routes its mouse events here and this class decides, paints through the
// view and requests the sounds.
class TableControls {
  public:
    struct Hooks {
        std::function<void()> showAggregateNotice;  // modal; returns when closed
        std::function<void()> wayGroupCompleted;    // a full way group is handed over
        std::function<void()> clearWayCounts;       // the way window's counts := 0
    };

    TableControls(GameState& state, TableView& view, SoundPlayer& sounds, Waiter& waiter,
                  Hooks hooks = {});

    // Board cell n was pressed; leftButtonAlone: no other button or modifier key.
    void ImageMouseDown(int number, bool leftButtonAlone);
    // Spinner arrows, named by their released tag.
    RepeatTimer ImageSmallMouseDown(int arrowTag, bool leftButtonAlone);
    RepeatTimer Timer1Timer();
    RepeatTimer ImageSmallMouseUp(int arrowTag);
    void MenuResetClick();

    void ResetTicket();
    void ClearDraw();
    // The idle centre message: the aggregate limit in force and " VELLORO".
    void ShowIdleMessage();
    void UpdateMenus();
    void UpdateTicketMenus(bool disableAll);
    void SyncButtons();
    void ShowBetArrows(bool visible);
    void setBoardEnabled(bool enabled);
    bool boardEnabled() const { return boardEnabled_; }

    // Menu items whose state the table keeps; every change reaches the view.
    bool isEnabled(MenuItem item) const { return enabled_.has(item); }
    bool isChecked(MenuItem item) const { return checked_.has(item); }
    void setEnabled(MenuItem item, bool enabled);
    void setChecked(MenuItem item, bool checked);
    // The checked Tickets item, if any.
    std::optional<MenuItem> checkedKind() const;

    // Requests a sound when the game sounds are on.
    void sound(const sounds::Request& request);

    CellTags& cells() { return cells_; }
    GameState& state() { return state_; }
    TableView& view() { return view_; }
    Waiter& waiter() { return waiter_; }

    // Repaints a value box, or the price boxes a change of the totals touched.
    void repaintValue(ValueField field);
    void repaintTotals(const TotalsChange& totals);

  private:
    // Applies a step of a held arrow; false when it must stop repeating.
    bool step(int pressedTag);
    void releaseArrow(int arrowTag);
    int* arrowTag(int releasedTag);  // nullptr for a tag that is no arrow

    GameState& state_;
    TableView& view_;
    SoundPlayer& sounds_;
    Waiter& waiter_;
    Hooks hooks_;
    CellTags cells_;
    MenuFlags enabled_;
    MenuFlags checked_;
    bool boardEnabled_ = true;
    std::array<int, bet::kArrowTags.size()> arrowTags_ = bet::kArrowTags;
    int repeatingTag_ = 0;  // pressed tag of the held arrow; 0 when none is held
};
