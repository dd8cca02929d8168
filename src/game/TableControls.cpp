#include "game/TableControls.h"

#include "core/state/Palette.h"
#include "core/ticket/CatchRule.h"
#include "core/ticket/KindTable.h"
#include "core/ticket/TicketKinds.h"

TableControls::TableControls(GameState& state, TableView& view, SoundPlayer& sounds, Waiter& waiter)
    : state_(state), view_(view), sounds_(sounds), waiter_(waiter) {}

void TableControls::sound(const sounds::Request& request) {
    PlayGameSound(sounds_, state_.SoundsOn, request);
}

SpinnerOutcome TableControls::stepArrow(BetArrow arrow) {
    const SpinnerResult result = bet::SpinnerStep(state_, arrow);
    if (result.stepped) repaintValue(result.field);
    repaintTotals(result.totals);
    if (result.aggregateRefused) return SpinnerOutcome::AggregateRefused;
    return result.stepped ? SpinnerOutcome::Stepped : SpinnerOutcome::Unchanged;
}

void TableControls::resetBalance() {
    bet::ResetBalance(state_);
    view_.showBalance(state_.Balance);
}

void TableControls::repaintValue(ValueField field) {
    if (field == ValueField::Spot)
        view_.showSpots(state_.SpotsMarked);
    else
        view_.showValue(field, bet::ValueText(state_, field));
}

void TableControls::repaintTotals(const TotalsChange& totals) {
    if (totals.pricePerGame) repaintValue(ValueField::PricePerGame);
    if (totals.totalPrice) {
        repaintValue(ValueField::TotalPrice);
        view_.updateWindow();
    }
}

void TableControls::resetTicket() {
    bet::ResetTicketState(state_);
    for (ValueField field : {ValueField::TotalPrice, ValueField::NumberOfGames,
                             ValueField::PricePerWay, ValueField::PricePerGame, ValueField::Spot})
        repaintValue(field);
    view_.setQuickPickArrowsVisible(false);
    for (int n = 1; n <= board::kNumbers; ++n)
        view_.paintCell(n, CellLook::Unmarked, palette::kSilver);
    clearDraw();
}

void TableControls::clearDraw() {
    for (const ClearedCell& cell : ClearedCells(state_)) {
        if (cell.marked)
            view_.paintCell(cell.number, CellLook::Marked, SetColour(cell.colourSet));
        else
            view_.paintCell(cell.number, CellLook::Unmarked, palette::kSilver);
    }
    ForgetDraw(state_);
    if (state_.GamesToGo == 0) showIdleMessage();
}

void TableControls::showIdleMessage() {
    view_.showCentreMessage(money::Currency(state_.AggregateLimit, 0) + QStringLiteral(" VELLORO"));
}

std::optional<MenuItem> TableControls::checkedKind() const {
    return CheckedMenuItem(state_.Kind, state_.KindCode);
}

bool TableControls::isChecked(MenuItem item) const {
    if (item == MenuItem::PrintTicket) return printTicket_;
    return checkedKind() == item;
}

void TableControls::repaintMenuItem(MenuItem item) {
    view_.setMenuItem(item, enabled_.has(item), isChecked(item));
}

void TableControls::setEnabled(MenuItem item, bool enabled) {
    enabled_.set(item, enabled);
    repaintMenuItem(item);
    switch (item) {
        case MenuItem::Play:
        case MenuItem::Open:
        case MenuItem::Cast:
        case MenuItem::Next:
            showButtons();
            break;
        default:
            break;
    }
}

void TableControls::setPrintTicket(bool on) {
    printTicket_ = on;
    repaintMenuItem(MenuItem::PrintTicket);
}

void TableControls::updateMenus() {
    const GameItems items =
        menu_rules::UpdateMenus({checkedKind(), state_.Ways, state_.SpotsMarked});
    setEnabled(MenuItem::Play, items.play);
    setEnabled(MenuItem::Cast, items.cast);
    setEnabled(MenuItem::Restore, items.restore);
    setEnabled(MenuItem::Save, items.save);
}

void TableControls::updateTicketMenus(bool disableAll) {
    const MenuFlags offered = menu_rules::UpdateTicketMenus(disableAll, state_.SpotsMarked);
    for (MenuItem item : kinds::TicketItems()) setEnabled(item, offered.has(item));
}

void TableControls::showButtons() {
    const ButtonsVisible visible = menu_rules::SyncButtons(enabled_);
    view_.setButtonVisible(TableButton::Play, visible.play);
    view_.setButtonVisible(TableButton::Open, visible.open);
    view_.setButtonVisible(TableButton::Cast, visible.cast);
    view_.setButtonVisible(TableButton::Next, visible.next);
}

// A held arrow that is hidden lets go by itself: PLAY from the keyboard
// cannot leave the price repeating through a paid run.
void TableControls::showBetArrows(bool visible) { view_.setBetArrowsVisible(visible); }

void TableControls::setBoardEnabled(bool enabled) {
    boardEnabled_ = enabled;
    view_.setBoardEnabled(enabled);
}
