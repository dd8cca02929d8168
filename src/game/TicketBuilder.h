#pragma once

#include <vector>

#include "core/ticket/TicketKinds.h"
#include "core/ticket/WayTicket.h"

class TableControls;

// What the ticket builder asks of the way window: its rows show the way
// ticket the builder holds.
class WayRowsView {
  public:
    virtual ~WayRowsView() = default;
    // Shows the rows beside the table; false when there is nowhere to show them.
    virtual bool showRows() = 0;
    // Repaints every row as the ticket stands.
    virtual void paintRows() = 0;
    virtual void hideRows() = 0;
};

// Builds the ticket on the table from the Tickets menu, the way rows and a
// restored ticket. It holds the way ticket and paints through the table's view.
class TicketBuilder {
  public:
    TicketBuilder(TableControls& table, WayRowsView& rows);

    // Board cell n was pressed (a plain left press). A number that fills a
    // way group hands the group over.
    void onCellPressed(int number);
    // A ticket kind chosen from the menu; false, with the check mark left as
    // it was (Qt's own toggle undone), when the marked numbers do not make that ticket.
    bool chooseKind(TicketChoice choice);
    // "&Way" chosen: the marked numbers become group 1. Returns the numbers
    // locked; empty, with nothing shown, when no way ticket can be made.
    std::vector<int> chooseWay();
    // The group being filled is full (AddNumber said so).
    void completeWayGroup();
    // A way row was bet or unbet.
    void onWayBetChanged(const WayRowClickResult& result);
    // PLAY: the bet rows become the ticket's way counts; the rows hide.
    void handOverWayBets();
    // CAST and a reset: no rows any more; they hide.
    void clearWayTicket();

    // What a saved ticket holds beyond the state: the bet rows as its way
    // counts and the spots its payoffs are read for.
    void prepareSave();
    // A ticket just restored into the state, put on the board number by number.
    void putRestoredTicket();

    const WayTicket& wayTicket() const { return way_; }
    WayTicket& wayTicket() { return way_; }

  private:
    TableControls& table_;
    WayRowsView& rows_;
    WayTicket way_;
};
