// The Game menu's saved tickets and printing: "&Save Ticket", "&Restore
// Ticket" and "Print &Ticket". The dialog, the ticket builder and the printer
// do the work.
#include <QAction>

#include "core/state/GameState.h"
#include "core/tickets/TicketFile.h"
#include "game/TableControls.h"
#include "game/TicketBuilder.h"
#include "windows/SavedTicketsDialog.h"
#include "windows/TableWindow.h"
#include "windows/TicketPrinter.h"

void TableWindow::routeSavedTickets() {
    connect(menu_.saveTicket, &QAction::triggered, this, &TableWindow::saveTicket);
    connect(menu_.restoreTicket, &QAction::triggered, this, &TableWindow::restoreTicket);
}

TicketPrinter& TableWindow::ticketPrinter() { return *printer_; }

void TableWindow::saveTicket() {
    tickets_->prepareSave();
    SavedTicketsDialog form(SavedTicketsDialog::Mode::Save, dialogContext(), state_, kTicketsFile,
                            this);
    form.exec();
}

void TableWindow::restoreTicket() {
    SavedTicketsDialog form(SavedTicketsDialog::Mode::Restore, dialogContext(), state_,
                            kTicketsFile, this);
    form.exec();
    if (form.outcome() == SavedTicketsDialog::Outcome::Restored) tickets_->putRestoredTicket();
}
