// The Game menu's saved tickets and printing: "&Save Ticket", "&Restore
// Ticket" and "Print &Ticket". The dialog and the printer do the work; this
// puts a restored ticket on the board.
#include <QAction>

#include "core/state/GameState.h"
#include "core/ticket/CatchRule.h"
#include "core/ticket/WayTicket.h"
#include "core/tickets/TicketFile.h"
#include "game/TableControls.h"
#include "windows/SavedTicketsDialog.h"
#include "windows/TableWindow.h"
#include "windows/TicketPrinter.h"
#include "windows/WayWindow.h"

void TableWindow::routeSavedTickets() {
    connect(menu_.saveTicket, &QAction::triggered, this, &TableWindow::saveTicket);
    connect(menu_.restoreTicket, &QAction::triggered, this, &TableWindow::restoreTicket);
}

TicketPrinter& TableWindow::ticketPrinter() { return *printer_; }

void TableWindow::saveTicket() {
    if (way_) way_->copyBetRowsToWayCounts();
    state_.PayoffSpots = state_.SpotsPerSet != 0 ? state_.SpotsPerSet : state_.SpotsMarked;
    SavedTicketsDialog form(SavedTicketsDialog::Mode::Save, dialogContext(), kTicketsFile, this);
    form.exec();
}

void TableWindow::restoreTicket() {
    SavedTicketsDialog form(SavedTicketsDialog::Mode::Restore, dialogContext(), kTicketsFile, this);
    form.exec();
    if (form.outcome() == SavedTicketsDialog::Outcome::Restored) putRestoredTicket();
}

void TableWindow::putRestoredTicket() {
    table_->showBetArrows(false);
    table_->setBoardEnabled(false);
    table_->repaintValue(ValueField::NumberOfGames);
    table_->repaintValue(ValueField::PricePerWay);
    table_->repaintTotals(bet::UpdateTotals(state_));
    showValue(ValueField::Spot, QString::number(state_.PayoffSpots) + QStringLiteral(" SPOT"));
    if (const std::optional<MenuItem> item = CheckedMenuItem(state_.Kind, state_.KindCode))
        table_->setChecked(*item, true);
    // A way ticket shows its summary instead; the region tickets hide the
    // spot box too, as when they are chosen from the menu.
    setSpotVisible(!HidesSpotBox(state_.Kind));
    if (state_.Kind == TicketKind::Way && way_) {
        way_->restoreRows();
        showWaySummary(way_->ticket()->summary());
    }
    table_->updateTicketMenus(true);
    if (state_.Kind != TicketKind::Way && !state_.KindCode.isEmpty()) showKindCode(state_.KindCode);

    for (int s = 1; s <= kSetCount && state_.Sets[static_cast<std::size_t>(s)].number(1) != 0;
         ++s) {
        const TicketSet& set = state_.Sets[static_cast<std::size_t>(s)];
        for (int p = 1; p <= TicketSet::kSlots && set.number(p) != 0; ++p) {
            const int n = set.number(p);
            table_->cells().mark(n);
            paintCell(n, CellLook::Marked, setColour(UsesSetOneColour(state_.Kind) ? 1 : s));
            updateWindow();
            table_->sound({sounds::Cue::PlaceNumber});
            if (!table_->waiter().processPending()) return;
        }
    }

    setQuickPickArrowsVisible(false);
    table_->setEnabled(MenuItem::Play, true);
    table_->setEnabled(MenuItem::Cast, true);
    table_->setEnabled(MenuItem::Restore, false);
    table_->setEnabled(MenuItem::Save, true);
    table_->syncButtons();
    updateWindow();
}

void TableWindow::printTicket() {
    // A run of several games prints its first game only.
    table_->setChecked(MenuItem::PrintTicket, false);
    const way::WayCountArray counts =
        way_ && way_->ticket() ? way_->ticket()->wayCountsEdit() : way::WayCountArray{};
    printer_->print(state_, counts, this);
}
