#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/state/BoardNavigation.h"

class PictureControl;
class QWidget;
struct TableParts;

// The main window from the keyboard: the focus starts on number 1; the arrow
// keys, Home, End and typed digits move it over the board (BoardNavigation);
// Tab and Shift+Tab go round the board, the arrows, PLAY, OPEN, CAST and
// NEXT and the rows of the way window while it shows, skipping what is hidden
// or disabled. Space and Enter on a control are
// the control's own (PictureControl).
class TableKeyboard : public QObject {
    Q_OBJECT
  public:
    // Milliseconds of a steady clock; typed digits are timed by it.
    using Clock = std::function<std::int64_t()>;

    TableKeyboard(const TableParts& parts, QObject* parent, Clock clock = {});

    // Tab (forward) or Shift+Tab: the next control that can take the focus.
    // False when none can.
    bool moveFocus(bool forward);
    // The board's number that has, or last had, the focus.
    int boardNumber() const { return boardNumber_; }
    // Every control of the round in order, the board standing for its cell of the moment.
    std::vector<QWidget*> round() const;
    // The way window's rows, which close the round.
    void setWayRows(std::vector<QWidget*> rows) { wayRows_ = std::move(rows); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void focusNumber(int number);
    int numberOf(QObject* control) const;

    std::vector<PictureControl*> cells_;
    std::vector<QWidget*> others_;  // arrows, then PLAY, OPEN, CAST, NEXT
    std::vector<QWidget*> wayRows_;
    Clock clock_;
    BoardNavigation navigation_;
    int boardNumber_ = 1;
};
