#include <gtest/gtest.h>

#include <set>

#include "core/state/Draw.h"
#include "core/state/RandomSource.h"

namespace {

constexpr std::uint32_t k123456789 = ((12 * 60 + 34) * 60 + 56) * 1000 + 789;  // 12:34:56.789

TEST(Draw, GoldenDrawFromAFixedClock) {
    RandomSource random{[] { return k123456789; }};
    const draw::Balls golden{40, 22, 29, 2,  56, 37, 9,  41, 65, 7,
                             13, 78, 75, 80, 51, 15, 50, 72, 45, 17};
    EXPECT_EQ(draw::DrawBalls(random), golden);
}

TEST(Draw, DrawsNeverRepeatANumber) {
    std::uint32_t clock = 0;
    RandomSource varied{[&clock] { return clock += 7919; }};
    for (int run = 0; run < 200; ++run) {
        const draw::Balls drawn = draw::DrawBalls(varied);
        const std::set<int> distinct(drawn.begin(), drawn.end());
        ASSERT_EQ(distinct.size(), 20u);
        ASSERT_GE(*distinct.begin(), 1);
        ASSERT_LE(*distinct.rbegin(), 80);
    }
}

TEST(Draw, QuickPickOfADamagedCountStopsAtTwenty) {
    RandomSource random{[] { return k123456789; }};
    // As a damaged saved ticket could bring.
    EXPECT_EQ(draw::QuickPickNumbers(TicketSet{}, 25, random).size(), 20u);
}

}  // namespace
