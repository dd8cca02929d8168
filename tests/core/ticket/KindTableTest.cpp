#include <gtest/gtest.h>

#include "core/ticket/KindTable.h"

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
