#include <gtest/gtest.h>

#include "core/records/HistorySummary.h"

TEST(HistorySummary, PlayedAndUnplayedSlots) {
    GameRecord game;
    game.GameNumber = 42;
    EXPECT_EQ(HistorySummaryLine(7, game), "007\tnot played");

    game.GameWin = 120000;
    game.KindCode = "QP";
    game.PayoffSpots = 5;
    game.Ways = 1;
    game.PricePerWay = 10000;
    for (int i = 0; i < 20; ++i)
        game.Drawn[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(80 - i);
    EXPECT_EQ(HistorySummaryLine(42, game),
              "042\twon $12.00, kind 0 QP, 5 spots, $1.00 per way, balls 80 79 78 77 76 75 74 73 "
              "72 71 70 69 68 67 66 65 64 63 62 61");

    game.TicketKind = 10;
    game.KindCode.clear();
    game.Ways = 7;
    game.GameWin = 0;
    EXPECT_TRUE(
        HistorySummaryLine(999, game).startsWith("999\twon $0.00, kind 10, 5 spots, 7 ways, "));
}
