#include "game/TicketBuilder.h"

#include "core/state/GameState.h"
#include "core/state/Palette.h"
#include "core/ticket/CatchRule.h"
#include "game/TableControls.h"

TicketBuilder::TicketBuilder(TableControls& table, WayRowsView& rows)
    : table_(table), rows_(rows), way_(table.state()) {}

void TicketBuilder::onCellPressed(int number) {
    if (!table_.boardEnabled() || number < 1 || number > board::kNumbers) return;
    GameState& state = table_.state();
    TableView& view = table_.view();
    BoardCells& cells = table_.cells();
    const bool way = state.Kind == TicketKind::Way;
    switch (bet::CellActionFor(cells.state(number), state, way)) {
        case CellAction::None:
            return;
        case CellAction::Mark:
            view.paintCell(number, CellLook::Pressed, palette::kSilver);
            view.updateWindow();
            table_.waiter().waitForInput();
            cells.mark(number);
            view.paintCell(number, CellLook::Marked, SetColour(state.CurrentSet));
            if (bet::AddNumber(state, number)) completeWayGroup();
            table_.sound({sounds::Cue::Mark});
            break;
        case CellAction::Unmark:
            cells.unmark(number);
            view.paintCell(number, CellLook::Unmarked, palette::kSilver);
            bet::RemoveNumber(state, number);
            table_.sound({sounds::Cue::Unmark});
            break;
    }
    table_.repaintValue(ValueField::Spot);
    table_.updateMenus();
    if (!way) table_.updateTicketMenus(false);
}

bool TicketBuilder::chooseKind(TicketChoice choice) {
    TableView& view = table_.view();
    const std::optional<TicketChoiceView> chosen = ApplyTicketKind(table_.state(), choice);
    if (!chosen) {
        table_.repaintMenuItem(ChoiceEntry(choice).menuItem);
        return false;
    }
    table_.setBoardEnabled(false);
    table_.updateMenus();
    table_.updateTicketMenus(true);
    if (chosen->hideSpotBox) view.setSpotVisible(false);
    view.showKindCode(chosen->specialCode);
    // Every number of a fixed region is one ticket: one colour for all of them.
    for (const std::uint8_t n : chosen->markedNumbers) {
        table_.cells().mark(n);
        view.paintCell(n, CellLook::Marked, SetColour(1));
    }
    if (chosen->showQuickPickArrows) {
        table_.repaintValue(ValueField::Spot);
        view.setQuickPickArrowsVisible(true);
    }
    view.updateWindow();
    return true;
}

std::vector<int> TicketBuilder::chooseWay() {
    if (!way_.canChoose() || !rows_.showRows()) {
        table_.repaintMenuItem(MenuItem::Way);
        return {};
    }
    const std::vector<int> locked = way_.choose();
    rows_.paintRows();
    TableView& view = table_.view();
    for (const int n : locked) table_.cells().lock(n);
    view.showWaySummary(QString());
    table_.updateMenus();
    table_.updateTicketMenus(true);
    // Nothing is bet until a row is chosen in the way window.
    table_.repaintValue(ValueField::TotalPrice);
    table_.repaintValue(ValueField::PricePerGame);
    view.setSpotVisible(false);
    view.updateWindow();
    return locked;
}

void TicketBuilder::completeWayGroup() {
    const WayGroupDone done = way_.completeGroup();
    rows_.paintRows();
    for (const int n : done.lockedNumbers) table_.cells().lock(n);
    if (done.boardClosed) table_.setBoardEnabled(false);
}

void TicketBuilder::onWayBetChanged(const WayRowClickResult& result) {
    TableView& view = table_.view();
    view.showWaySummary(way_.summary());
    table_.repaintTotals(result.totals);
    table_.setBoardEnabled(result.boardEnabled);
    table_.updateMenus();
    view.updateWindow();
}

void TicketBuilder::handOverWayBets() {
    way_.handOverAtPlay();
    rows_.hideRows();
}

void TicketBuilder::clearWayTicket() {
    way_.clear();
    rows_.paintRows();
    rows_.hideRows();
}

void TicketBuilder::prepareSave() {
    GameState& state = table_.state();
    way_.copyBetRowsToWayCounts();
    state.PayoffSpots = PayoffSpotsOf(state);
}

void TicketBuilder::putRestoredTicket() {
    GameState& state = table_.state();
    TableView& view = table_.view();
    table_.showBetArrows(false);
    table_.setBoardEnabled(false);
    table_.repaintValue(ValueField::NumberOfGames);
    table_.repaintValue(ValueField::PricePerWay);
    table_.repaintTotals(bet::UpdateTotals(state));
    view.showSpots(state.PayoffSpots);
    // A way ticket shows its summary instead; the region tickets hide the
    // spot box too, as when they are chosen from the menu.
    view.setSpotVisible(!HidesSpotBox(state.Kind));
    if (state.Kind == TicketKind::Way) {
        way_.restoreRows();
        rows_.paintRows();
        view.showWaySummary(way_.summary());
    }
    table_.updateTicketMenus(true);
    if (state.Kind != TicketKind::Way && !state.KindCode.isEmpty())
        view.showKindCode(state.KindCode);

    for (int s = 1; s <= kSetCount && state.Sets[static_cast<std::size_t>(s)].number(1) != 0; ++s) {
        const TicketSet& set = state.Sets[static_cast<std::size_t>(s)];
        for (int p = 1; p <= TicketSet::kSlots && set.number(p) != 0; ++p) {
            const int n = set.number(p);
            table_.cells().mark(n);
            view.paintCell(n, CellLook::Marked, SetColour(UsesSetOneColour(state.Kind) ? 1 : s));
            view.updateWindow();
            table_.sound({sounds::Cue::PlaceNumber});
            if (!table_.waiter().processPending()) return;
        }
    }

    view.setQuickPickArrowsVisible(false);
    table_.setEnabled(MenuItem::Play, true);
    table_.setEnabled(MenuItem::Cast, true);
    table_.setEnabled(MenuItem::Restore, false);
    table_.setEnabled(MenuItem::Save, true);
    view.updateWindow();
}
