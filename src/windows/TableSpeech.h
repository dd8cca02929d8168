#pragma once

#include <QString>
#include <functional>

#include "core/ticket/BetControls.h"
#include "game/TableView.h"

struct TicketState;
struct TableParts;

// What a screen reader hears of the main window. Every painted control gets
// its role and name; the board's numbers, the value boxes, the status and
// the centre message say what they show as it changes; and what is shown
// only in paint is told as it happens through `announce`, one message each:
// each ball called ("43, caught", the twentieth "Last ball, 43"), the result
// ("You won $12.50", "Bust"), the centre message, the status, the balance,
// a bet changed ("Total Price, $2.00", "5 spots") and the ways bet.
class TableSpeech {
  public:
    using Announce = std::function<void(const QString&)>;

    TableSpeech(const TicketState& ticket, const TableParts& parts, Announce announce);

    // The spoken name of a bet arrow ("Ten More Games"), also its tooltip.
    static QString arrowName(BetArrow arrow);
    // The balance as said, also the balance menu's name: "You're Down $3.00".
    static QString balanceSaid(Money balance);

    void cellPainted(int number, CellLook look);
    void ballCalled(const CalledBall& ball);
    void statusShown(const GameStatus& status);
    void centreMessageShown(const QString& text);
    // A result as said rather than shown: "You won $12.50", "Bust".
    void resultShown(Money gameWin);
    void valueShown(ValueField field, const QString& text);
    void spotsShown(int spots);
    void balanceShown(Money balance);
    void kindCodeShown(const QString& kindCode);
    void waySummaryShown(const QString& summary);

  private:
    void nameControls();
    void centreSaid(const QString& said);
    // Names a bet box by its new text; true when that text is a change to tell.
    bool boxChanged(ValueField field, const QString& text);

    const TicketState& ticket_;
    const TableParts& parts_;
    Announce announce_;
};
