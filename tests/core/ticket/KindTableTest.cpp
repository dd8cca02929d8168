#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "core/records/ScheduleFile.h"
#include "core/state/Board.h"
#include "core/ticket/KindTable.h"

// The rows of both tables agree with each other, the schedule record and the
// menu: what a new row must keep to, checked before anything plays it.
TEST(KindTable, RowsAgreeWithEachOtherAndTheScheduleRecord) {
    using namespace kinds;
    std::map<int, int> rowsOfChoice;
    std::set<std::pair<int, QString>> kindsAndCodes;
    std::map<MenuItem, const KindRule*> firstOfItem;
    std::map<int, int> regionSizes;
    for (const KindRule& rule : Rules()) {
        const QString code = QLatin1String(rule.code);
        EXPECT_TRUE(kindsAndCodes.insert({KindByte(rule.kind), code}).second)
            << "two rows of kind " << int(KindByte(rule.kind)) << " with the code "
            << code.toStdString();
        EXPECT_NE(PayoffOf(rule.kind), nullptr) << "no payoff row for " << code.toStdString();
        if (rule.choice) ++rowsOfChoice[static_cast<int>(*rule.choice)];
        if (!rule.menuItem) {
            EXPECT_FALSE(rule.choice.has_value()) << code.toStdString();
            continue;
        }
        // The codes of one entry share its submenu and when it is offered.
        const auto [first, fresh] = firstOfItem.insert({*rule.menuItem, &rule});
        if (!fresh) {
            EXPECT_STREQ(rule.submenu, first->second->submenu) << code.toStdString();
            EXPECT_NE(*rule.submenu, '\0') << "two entries of one item: " << code.toStdString();
            EXPECT_EQ(rule.offered, first->second->offered) << code.toStdString();
        }
        if (rule.region) {
            int size = 0;
            for (int n = 1; n <= board::kNumbers; ++n) size += rule.region(n) ? 1 : 0;
            const auto [known, added] = regionSizes.insert({KindByte(rule.kind), size});
            EXPECT_EQ(size, known->second) << "regions of one kind differ: " << code.toStdString();
        }
        if (rule.fixedSets != FixedSets::None) {
            const FixedNumberSets fixed = FixedNumbers(rule);
            std::set<int> held(fixed.first.begin(), fixed.first.end());
            held.insert(fixed.second.begin(), fixed.second.end());
            EXPECT_EQ(held.size(), static_cast<std::size_t>(RegionSize(rule.kind)))
                << code.toStdString();
            for (int n : held) EXPECT_TRUE(rule.region(n)) << code.toStdString() << " " << n;
        }
    }
    // Every menu command has exactly one row (a command added after the last
    // one counted would escape the count).
    EXPECT_EQ(rowsOfChoice.size(), static_cast<std::size_t>(kTicketChoiceCount));
    for (int choice = 0; choice < kTicketChoiceCount; ++choice)
        EXPECT_EQ(rowsOfChoice[choice], 1) << "choice " << choice;

    // Every kind has its own row and tickets; every tab shows a kind's table.
    std::set<int> kindBytes;
    for (const KindPayoff& payoff : Payoffs()) {
        EXPECT_TRUE(kindBytes.insert(KindByte(payoff.kind)).second) << int(KindByte(payoff.kind));
        EXPECT_TRUE(std::any_of(Rules().begin(), Rules().end(),
                                [&](const KindRule& rule) { return rule.kind == payoff.kind; }))
            << "no ticket of kind " << int(KindByte(payoff.kind));
        const std::size_t rows = TableRowCount(payoff.table);
        if (payoff.payRule == PayRule::Ways || payoff.catchRule != CatchRule::MarkedSets) continue;
        // A table of several rows has one per spot count; one row is indexed by spots.
        if (rows > 1) {
            EXPECT_EQ(rows, static_cast<std::size_t>(payoff.spots.high - payoff.spots.low + 1))
                << int(KindByte(payoff.kind));
        }
    }
    EXPECT_EQ(kindBytes.size(), static_cast<std::size_t>(HighestKind()) + 1);
    for (int tab = 0; tab < TabCount(); ++tab) {
        EXPECT_FALSE(TabTitle(tab).isEmpty());
        EXPECT_EQ(TabOf(TabKind(tab)), tab);
    }

    // Every table lies in the schedule record, in order and whole, with one
    // kind that heads it and designs it.
    std::size_t end = schedule_offsets::kTables;
    std::set<int> tables;
    const PayoffTables shapes{};
    ForEachPayoffTable(shapes, [&](PayoffTable table, const auto& entries) {
        tables.insert(static_cast<int>(table));
        EXPECT_EQ(schedule_offsets::TableOffset(table), end) << static_cast<int>(table);
        end += sizeof(entries);
        const KindPayoff& owner = TableOwner(table);
        EXPECT_EQ(owner.table, table) << "no kind pays from table " << static_cast<int>(table);
        EXPECT_NE(owner.tableTitle, nullptr);
        EXPECT_NE(owner.designPays, nullptr);
        for (const KindPayoff& payoff : Payoffs())
            if (payoff.table == table && &payoff != &owner) {
                EXPECT_EQ(payoff.tableTitle, nullptr) << "a second title for one table";
            }
    });
    EXPECT_EQ(end, kScheduleRecordSize);
    EXPECT_EQ(tables.size(), kPayoffTableCount);
}

// The lookups the history, the replay and saved tickets check a stored ticket with.
TEST(KindTable, StoredTicketsAreValidOnlyAsTheirKindCanBePlayed) {
    using K = TicketKind;
    EXPECT_TRUE(kinds::IsValidTicket(K::Regular, "", 20, 1));
    EXPECT_TRUE(kinds::IsValidTicket(K::Regular, "QP", 1, 1));
    EXPECT_FALSE(kinds::IsValidTicket(K::Regular, "QP", 21, 1));
    EXPECT_FALSE(kinds::IsValidTicket(K::Regular, "AC", 7, 1));  // a code of another kind
    EXPECT_TRUE(kinds::IsValidTicket(K::AllCatches, "AC", 7, 1));
    EXPECT_FALSE(kinds::IsValidTicket(K::AllCatches, "AC", 6, 1));
    EXPECT_FALSE(kinds::IsValidTicket(K::BetAgainst, "BA", 8, 2));
    EXPECT_TRUE(kinds::IsValidTicket(K::Forty, "L", 20, 2));
    EXPECT_FALSE(kinds::IsValidTicket(K::Forty, "TB", 20, 2));
    EXPECT_TRUE(kinds::IsValidTicket(K::FortyForty, "LR", 0, 0));
    EXPECT_TRUE(kinds::IsValidTicket(K::ThirtyTwoSpot, "E", 16, 2));
    EXPECT_FALSE(kinds::IsValidTicket(K::ThirtyTwoSpot, "I", 20, 2));
    EXPECT_TRUE(kinds::IsValidTicket(K::Way, "", 3, 26));
    EXPECT_FALSE(kinds::IsValidTicket(K::Way, "", 3, 27));  // 81 numbers
    EXPECT_FALSE(kinds::IsValidTicket(K::Way, "", 8, 1));
    EXPECT_FALSE(kinds::IsValidTicket(static_cast<K>(11), "", 1, 1));
    EXPECT_FALSE(kinds::IsValidKind(K::LastBallDrawn, ""));
}

TEST(KindTable, WordsAndNamesAreTheMenuCaptionsWithoutAccelerators) {
    EXPECT_EQ(kinds::Words(*kinds::Find(TicketKind::FortyForty, "TB")), "Top And Bottom");
    EXPECT_EQ(kinds::Words(*kinds::Find(TicketKind::ThirtyTwoSpot, "E")), "The Edge");
    EXPECT_EQ(kinds::Words(*kinds::Find(TicketKind::Regular, "")), "Regular");
    EXPECT_EQ(kinds::KindName(TicketKind::ThirtyTwoSpot), "Thirty-Two Spot");
    EXPECT_EQ(kinds::KindName(TicketKind::Way), "Way");
    EXPECT_EQ(kinds::RegionSize(TicketKind::FortyForty), 40);
    EXPECT_EQ(kinds::RegionSize(TicketKind::ThirtyTwoSpot), 32);
}
