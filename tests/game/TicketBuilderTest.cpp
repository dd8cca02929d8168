#include <gtest/gtest.h>

#include "game/TableControls.h"
#include "game/TableFakes.h"
#include "game/TicketBuilder.h"

namespace {

// Way rows that may have nowhere to show.
struct CountingRows : WayRowsView {
    bool showRows() override { return shown = available; }
    void paintRows() override { ++paints; }
    void hideRows() override { shown = false; }
    bool available = true;
    bool shown = false;
    int paints = 0;
};

struct TicketBuilderTest : ::testing::Test {
    GameState state;
    StepLog log;
    FakeTableView view{log};
    FakeWaiter waiter{log};
    SilentSoundPlayer sounds;
    CountingRows rows;
    TableControls table{state, view, sounds, waiter};
    TicketBuilder tickets{table, rows};

    void SetUp() override { state.AggregateLimit = money::Dollars(100); }

    void click(std::initializer_list<int> numbers) {
        for (const int n : numbers) tickets.onCellPressed(n);
    }
};

}  // namespace

TEST_F(TicketBuilderTest, WayRowsWithNowhereToShowRefuseTheWayTicket) {
    click({1, 2});
    rows.available = false;
    EXPECT_TRUE(tickets.chooseWay().empty());
    EXPECT_FALSE(view.menuChecked[MenuItem::Way]);
    EXPECT_EQ(state.Kind, TicketKind::Regular);
    EXPECT_EQ(table.cells().tag(1), 201);  // marked, not locked into a group
    EXPECT_EQ(rows.paints, 0);
}

// A save reads its payoffs for the group size of a way ticket, for the marked
// spots otherwise, and holds only the rows bet at that moment.
TEST_F(TicketBuilderTest, ASaveTakesTheGroupSizeAndTheRowsBetNow) {
    click({1, 2, 3});
    tickets.prepareSave();
    EXPECT_EQ(state.PayoffSpots, 3);

    EXPECT_EQ(tickets.chooseWay(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(rows.shown);
    click({4, 5, 6});
    const WayRowClickResult bet = tickets.wayTicket().clickRow(1);
    ASSERT_TRUE(bet.changed());
    tickets.onWayBetChanged(bet);
    EXPECT_EQ(view.special, tickets.wayTicket().summary());
    EXPECT_FALSE(view.special.trimmed().isEmpty());
    tickets.prepareSave();
    EXPECT_EQ(state.PayoffSpots, 3);
    EXPECT_EQ(state.WayCounts[0], 2);

    tickets.onWayBetChanged(tickets.wayTicket().clickRow(1));  // unbet before the next save
    tickets.prepareSave();
    EXPECT_EQ(state.WayCounts[0], 0);
}
