// The Tickets menu of the main window and its way window. The ticket
// builder decides; this routes the menu and the way rows to it.
#include <QAction>

#include "core/state/GameState.h"
#include "game/TicketBuilder.h"
#include "ui/PictureControl.h"
#include "windows/TableKeyboard.h"
#include "windows/TableWindow.h"
#include "windows/WayWindow.h"

void TableWindow::routeTicketMenu() {
    for (const TicketChoiceEntry& entry : TicketChoices()) {
        const TicketChoice choice = entry.choice;
        connect(menu_.command(choice), &QAction::triggered, this,
                [this, choice] { tickets_->chooseKind(choice); });
    }
    connect(menu_.way, &QAction::triggered, this, [this] { tickets_->chooseWay(); });
}

WayWindow* TableWindow::wayWindow() const { return way_; }

void TableWindow::attachWayWindow(WayWindow* way) {
    if (way_) disconnect(way_, nullptr, this, nullptr);
    way_ = way;
    if (!way) return;
    way->setGame(state_, sound_, tickets_->wayTicket(), *this, painter_.bevelWidth());
    way->setHelp(helpPopup());
    connect(way, &WayWindow::betChanged, this,
            [this](const WayRowClickResult& result) { tickets_->onWayBetChanged(result); });
    // Tab goes on from the table's buttons to the rows and back to the board.
    std::vector<QWidget*> rows;
    for (int k = 1; k <= way::kRows; ++k) rows.push_back(way->row(k));
    keyboard_->setWayRows(rows);
    way->setFocusRound([this](bool next) { return keyboard_->moveFocus(next); });
}
