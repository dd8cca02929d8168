#pragma once

#include <QString>
#include <span>
#include <vector>

#include "core/state/PayoffTables.h"
#include "core/state/TicketKind.h"

// What a $1.00 ticket gives back on average under a schedule, from the exact
// catch probabilities of the 20-ball draw and the table entries as stored
// (before the aggregate cap).

// One outcome a ticket can reach: the position of its entry in the ticket's
// payoff row and how likely it is in one game.
struct PayoffOutcome {
    int index = 0;
    long double probability = 0.0L;
};

// A ticket kind with its own payoff row: the first kind paying from each
// table (every kind but the way ticket), at every spot count it is offered
// for. The fixed kinds have one row; their spots are the size of their number
// set (40 or 32).
struct PaidTicket {
    TicketKind kind = TicketKind::Regular;
    int spots = 1;
};
std::vector<PaidTicket> PaidTickets();

// The row of the kind's table a ticket of `spots` spots is paid from. For Bet
// Against and Catch All this is the whole table, indexed by the spot count.
// Throws std::out_of_range for a spot count the kind has no row for.
std::span<Money> PayoffRow(PayoffTables& tables, TicketKind kind, int spots);
std::span<const Money> PayoffRow(const PayoffTables& tables, TicketKind kind, int spots);

// Every outcome a game can reach that has an entry in that row (All Or
// Nothing, Bet Against and Catch All leave the other outcomes unpaid). A full
// Last Ball Drawn catch splits by whether the 20th ball was one of the marked
// numbers: s in 20 of the full catches end on one.
std::vector<PayoffOutcome> ReachableOutcomes(TicketKind kind, int spots);

// Expected payout of $1.00 as a fraction (0.75 = 75%).
long double ExpectedPayout(std::span<const PayoffOutcome> outcomes, std::span<const Money> row);
long double ReturnToPlayer(const PayoffTables& tables, TicketKind kind, int spots);
