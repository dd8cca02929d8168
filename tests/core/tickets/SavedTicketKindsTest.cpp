#include <gtest/gtest.h>

#include "core/state/GameState.h"
#include "core/ticket/BetControls.h"
#include "core/ticket/TicketKinds.h"
#include "core/tickets/SavedTicket.h"

namespace {

// A ticket of this kind as the board and the Tickets menu build it: the
// fewest numbers the kind is offered with, marked one by one, then the kind.
GameState chosenTicket(TicketChoice choice) {
    GameState state;
    const TicketChoiceEntry& entry = ChoiceEntry(choice);
    int spots = 0;
    while (!IsOffered(entry.menuItem, spots)) ++spots;
    for (int n = 1; n <= spots; ++n) {
        bet::AddNumber(state, 7 * n);
    }
    EXPECT_TRUE(ApplyTicketKind(state, choice).has_value());
    return state;
}

// Why the restore refuses the ticket as saved; empty when it takes it.
std::string damage(const GameState& state) {
    return SavedTicketDamage(EncodeSavedTicket(SavedTicketFromState(state, QStringLiteral("kind"))))
        .toStdString();
}

}  // namespace

// A kind's saved record whose fixed numbers, scanned sets or picks were
// changed is refused; the record as the game saved it is taken.
TEST(SavedTicketKinds, ADamagedCopyOfAMenuKindIsRefused) {
    ASSERT_FALSE(FixedNumbers(TicketChoice::TheEdge).first.empty());
    const GameState edge = chosenTicket(TicketChoice::TheEdge);
    ASSERT_EQ(damage(edge), "");
    GameState changed = edge;
    changed.Sets[1].Numbers[0] = 45;  // not on the edge
    EXPECT_NE(damage(changed), "");
    changed = edge;
    changed.CurrentSet = 3;
    EXPECT_NE(damage(changed), "");
    changed = edge;
    changed.Sets[3].Numbers[0] = 5;  // a set past the two it plays
    EXPECT_NE(damage(changed), "");

    GameState quickPick = chosenTicket(TicketChoice::QuickPick);
    ASSERT_EQ(damage(quickPick), "");  // not picked yet
    quickPick.CurrentSet = 2;
    EXPECT_NE(damage(quickPick), "");
    quickPick.CurrentSet = 1;
    quickPick.Sets[1].Numbers[0] = 9;  // one pick of the one spot: sound
    EXPECT_EQ(damage(quickPick), "");
    quickPick.Sets[1].Numbers[1] = 10;  // two picks for one spot
    EXPECT_NE(damage(quickPick), "");
}
