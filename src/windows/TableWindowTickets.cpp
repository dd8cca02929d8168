// The Tickets menu of the main window: the ticket kinds and the way ticket
// with its window. The rules live in the ticket kinds and the way ticket;
// this routes their answers to the table, which keeps the menu state.
#include <QAction>

#include "core/state/GameState.h"
#include "core/ticket/WayTicket.h"
#include "game/TableControls.h"
#include "ui/ImageButton.h"
#include "windows/TableKeyboard.h"
#include "windows/TableWindow.h"
#include "windows/WayWindow.h"

void TableWindow::routeTicketMenu() {
    for (const TicketChoiceEntry& entry : TicketChoices()) {
        const TicketChoice choice = entry.choice;
        connect(menu_.command(choice), &QAction::triggered, this,
                [this, choice] { chooseTicketKind(choice); });
    }
    connect(menu_.way, &QAction::triggered, this, &TableWindow::chooseWayTicket);
}

WayWindow* TableWindow::wayWindow() const { return way_; }

void TableWindow::attachWayWindow(WayWindow* way) {
    if (way_) disconnect(way_, nullptr, this, nullptr);
    way_ = way;
    if (!way) return;
    way->setGame(state_, sound_, painter_.bevelWidth());
    way->setHelp(helpPopup());
    connect(way, &WayWindow::betChanged, this, &TableWindow::onWayBetChanged);
    // Tab goes on from the table's buttons to the rows and back to the board.
    std::vector<QWidget*> rows;
    for (int k = 1; k <= way::kRows; ++k) rows.push_back(way->row(k));
    keyboard_->setWayRows(rows);
    way->setFocusRound([this](bool next) { return keyboard_->moveFocus(next); });
}

void TableWindow::restoreCheckMark(MenuItem item) {
    table_->setChecked(item, table_->isChecked(item));
}

void TableWindow::chooseTicketKind(TicketChoice choice) {
    const std::optional<TicketChoiceView> chosen = ApplyTicketKind(state_, choice);
    if (!chosen) {
        restoreCheckMark(ChoiceEntry(choice).menuItem);
        return;
    }
    table_->setBoardEnabled(false);
    table_->setChecked(chosen->checkedItem, true);
    table_->updateMenus();
    table_->syncButtons();
    table_->updateTicketMenus(true);
    if (chosen->hideSpotBox) setSpotVisible(false);
    showKindCode(chosen->specialCode);
    // Every number of a fixed region is one ticket: one colour for all of them.
    for (const std::uint8_t n : chosen->markedNumbers) {
        table_->cells().mark(n);
        paintCell(n, CellLook::Marked, setColour(1));
    }
    if (chosen->showQuickPickArrows) {
        showValue(ValueField::Spot, chosen->spotBoxText);
        setQuickPickArrowsVisible(true);
    }
    updateWindow();
}

void TableWindow::chooseWayTicket() {
    const std::vector<int> locked = way_ ? way_->startTicket(*this) : std::vector<int>{};
    if (locked.empty()) {
        restoreCheckMark(MenuItem::Way);
        return;
    }
    for (const int n : locked) table_->cells().lock(n);
    showWaySummary(QString());
    table_->setChecked(MenuItem::Way, true);
    table_->updateMenus();
    table_->updateTicketMenus(true);
    table_->syncButtons();
    // Nothing is bet until a row is chosen in the way window.
    table_->repaintValue(ValueField::TotalPrice);
    table_->repaintValue(ValueField::PricePerGame);
    setSpotVisible(false);
    updateWindow();
}

void TableWindow::onWayGroupCompleted() {
    if (!way_) return;
    const WayGroupDone done = way_->completeGroup();
    for (const int n : done.lockedNumbers) table_->cells().lock(n);
    if (done.boardClosed) table_->setBoardEnabled(false);
}

void TableWindow::onWayBetChanged(const WayRowClickResult& result) {
    if (!way_ || !way_->ticket()) return;
    showWaySummary(way_->ticket()->summary());
    table_->repaintTotals(result.totals);
    table_->setBoardEnabled(result.boardEnabled);
    table_->updateMenus();
    table_->syncButtons();
    updateWindow();
}
