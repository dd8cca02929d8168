#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/state/GameState.h"
#include "core/ticket/KindTable.h"
#include "core/ticket/MenuRules.h"

// The ticket kinds of the Tickets menu: what choosing an entry does to the
// ticket. The kinds' own rules are the kind table's.

// Whether a plain ticket with this many marked numbers may become the kind of
// this Tickets item (the offered ranges of the kind table).
bool IsOffered(MenuItem ticketItem, int spotsMarked);

// A menu command with the kind-table row it chooses.
struct TicketChoiceEntry {
    TicketChoice choice;
    MenuItem menuItem;    // the Tickets item that offers it and takes the check mark
    const char* caption;  // its own caption: "&Top" inside "Forty"
    TicketKind kind;
    const char* code;  // KindCode
};

// Every choice in menu order, read from the kind table.
std::span<const TicketChoiceEntry> TicketChoices();
// The entry of one choice.
const TicketChoiceEntry& ChoiceEntry(TicketChoice choice);
// The numbers a choice stores in Sets[1] and Sets[2], in order; both empty when it marks none.
kinds::FixedNumberSets FixedNumbers(TicketChoice choice);

// What the main window shows after a choice. It also always closes both board
// panels, refreshes the Game menu and buttons and disables every Tickets entry.
struct TicketChoiceView {
    MenuItem checkedItem = MenuItem::QuickPick;
    QString specialCode;                      // painted large in the special box
    std::vector<std::uint8_t> markedNumbers;  // painted marked in set 1's colour
    bool hideSpotBox = false;                 // Forty, Forty Forty, Thirty-Two Spot
    bool showQuickPickArrows = false;         // quick pick only
};

// Turns the plain ticket into the chosen kind, exactly as its menu command
// does. Refuses (nullopt, nothing changed) when a kind is already chosen or
// the choice is not offered for SpotsMarked, so no kind is ever played with a
// spot count its payoff table does not cover.
std::optional<TicketChoiceView> ApplyTicketKind(GameState& state, TicketChoice choice);

// The kinds that show no spot count: the spot box is hidden while they are on
// the table and the printed ticket leaves it out (the region tickets and the
// way ticket).
bool HidesSpotBox(TicketKind kind);

// The Tickets item that shows a ticket's kind with a check mark (a restored
// ticket): none for a regular ticket or an unknown kind.
std::optional<MenuItem> CheckedMenuItem(TicketKind kind, const QString& kindCode);
