#include <gtest/gtest.h>

#include <QSet>
#include <limits>

#include "core/state/RandomSource.h"
#include "core/ticket/Evaluation.h"
#include "core/ticket/TicketKinds.h"
#include "support/HandDraw.h"

namespace {

using hand_draw::numberedTables;

class Evaluate : public ::testing::Test {
  protected:
    void SetUp() override {
        state.Payoffs = numberedTables();
        state.AggregateLimit = money::Dollars(50000);
    }

    // A marked ticket of `kind` played against a draw: the wanted balls first,
    // then balls off the ticket, `last` as the 20th when given.
    Money playMarked(TicketKind kind, const std::vector<int>& numbers,
                     const std::vector<int>& wanted, int last = 0) {
        state.Kind = kind;
        hand_draw::markTicket(state, numbers);
        return play(hand_draw::twentyBalls(wanted, numbers, last));
    }

    // A kind chosen from the menu (no numbers of its own to mark) played.
    Money playChoice(TicketChoice choice, const std::vector<int>& balls) {
        EXPECT_TRUE(ApplyTicketKind(state, choice).has_value());
        state.SpotsPerSet = state.SpotsMarked;
        return play(balls);
    }

    Money play(const std::vector<int>& balls) {
        hand_draw::draw(state, balls);
        result = EvaluateGame(state, random);
        return state.GameWin;
    }

    const PayoffTables& tables() const { return state.Payoffs; }

    GameState state;
    RandomSource random{[] { return 4321u; }};
    GameResult result;
};

}  // namespace

TEST_F(Evaluate, RegularTicketPaysItsEntryScaledByThePrice) {
    state.PricePerWay = state.PricePerGame = money::Dollars(2);
    state.Balance = money::Dollars(-10);
    const Money win = playMarked(TicketKind::Regular, {1, 2, 3, 4, 5}, {3, 1, 2});
    EXPECT_EQ(win, 2 * tables().RegularPayoffs[4][3]);
    EXPECT_EQ(state.Balance, money::Dollars(-10) + win);
    EXPECT_EQ(ResultText(result.gameWin), "YOU WON " + money::Currency(win));
    EXPECT_EQ(BalanceCaption(state.Balance), BalanceCaption(state.Balance));
}

TEST_F(Evaluate, TopAndBottomPaysByTheSplitOfTheBalls) {
    std::vector<int> balls;
    for (int n = 1; n <= 12; ++n) balls.push_back(n);
    for (int n = 41; n <= 48; ++n) balls.push_back(n);
    EXPECT_EQ(playChoice(TicketChoice::TopAndBottom, balls), tables().FortyFortyPayoffs[12]);
}

TEST_F(Evaluate, LeftAndRightCountsTheLeftColumns) {
    // 1-5 and 11, 12 lie left; 6-10 and 16-20 right, then 13, 14, 15 left again.
    const std::vector<int> balls{1, 2,  3,  4,  5,  11, 12, 6,  7,  8,
                                 9, 10, 16, 17, 18, 19, 20, 13, 14, 15};
    EXPECT_EQ(playChoice(TicketChoice::LeftAndRight, balls), tables().FortyFortyPayoffs[10]);
}

TEST_F(Evaluate, RegionTicketsPayByTheirBallsInTheRegion) {
    std::vector<int> balls{41, 42, 43, 44, 45, 46, 47};  // 7 in the bottom half
    for (int n = 1; n <= 13; ++n) balls.push_back(n);
    EXPECT_EQ(playChoice(TicketChoice::Bottom, balls), tables().FortyPayoffs[7]);
}

TEST_F(Evaluate, TheEdgePaysByItsBallsOnTheBorder) {
    // Of 1..20, the edge holds 1..11 and 20.
    EXPECT_EQ(playChoice(TicketChoice::TheEdge, hand_draw::twentyBalls({}, {})),
              tables().ThirtyTwoSpotPayoffs[12]);
}

TEST_F(Evaluate, LastBallDrawnPaysItsExtraColumnOnlyWhenTheLastBallIsCaught) {
    EXPECT_EQ(playMarked(TicketKind::LastBallDrawn, {10, 20, 30}, {10, 20}, 30),
              tables().LastBallPayoffs[2][4]);
    ForgetDraw(state);
    EXPECT_EQ(playMarked(TicketKind::LastBallDrawn, {10, 20, 30}, {10, 20, 30}, 80),
              tables().LastBallPayoffs[2][3]);
    ForgetDraw(state);
    EXPECT_EQ(playMarked(TicketKind::LastBallDrawn, {10, 20, 30}, {10}, 30),
              tables().LastBallPayoffs[2][2]);
}

TEST_F(Evaluate, AllOrNothingPaysOnNoneOrAllOnly) {
    const std::vector<int> ticket{1, 2, 3, 4, 5};
    EXPECT_EQ(playMarked(TicketKind::AllOrNothing, ticket, {1, 2}), 0);
    EXPECT_EQ(ResultText(result.gameWin), "BUST");
    ForgetDraw(state);
    EXPECT_EQ(playMarked(TicketKind::AllOrNothing, ticket, {}), tables().AllOrNothingPayoffs[1][0]);
    ForgetDraw(state);
    EXPECT_EQ(playMarked(TicketKind::AllOrNothing, ticket, ticket),
              tables().AllOrNothingPayoffs[1][1]);
}

TEST_F(Evaluate, BetAgainstAndCatchAllPayOnlyOnTheirOneOutcome) {
    const std::vector<int> eight{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(playMarked(TicketKind::BetAgainst, eight, {8}), 0);
    ForgetDraw(state);
    EXPECT_EQ(playMarked(TicketKind::BetAgainst, eight, {}), tables().BetAgainstPayoffs[8]);
    ForgetDraw(state);
    const std::vector<int> four{11, 22, 33, 44};
    EXPECT_EQ(playMarked(TicketKind::CatchAll, four, four), tables().CatchAllPayoffs[4]);
    ForgetDraw(state);
    EXPECT_EQ(playMarked(TicketKind::CatchAll, four, {11, 22, 33}), 0);
}

TEST_F(Evaluate, AllCatchesAndSuperSpecialPayTheirRowByCatches) {
    EXPECT_EQ(playMarked(TicketKind::AllCatches, {1, 2, 3, 4, 5, 6, 7}, {2, 4, 6}),
              tables().AllCatchesPayoffs[0][3]);
    ForgetDraw(state);
    EXPECT_EQ(playMarked(TicketKind::SuperSpecial, {50, 60, 70}, {60, 70}),
              tables().SuperSpecialPayoffs[0][2]);
}

TEST_F(Evaluate, WayTicketPaysEveryBetWay) {
    state.Kind = TicketKind::Way;
    state.Sets[1].Numbers = {1, 2};
    state.Sets[2].Numbers = {3, 4};
    state.Sets[3].Numbers = {5, 6};
    state.CompletedSets = 3;
    state.CurrentSet = 4;
    state.SpotsPerSet = 2;
    state.WayCounts[0] = 3;
    state.WayCounts[2] = 1;
    state.PricePerWay = 500;  // $0.05 a way
    const auto& regular = tables().RegularPayoffs;
    const Money sum = regular[1][1] + regular[1][2] + regular[1][0] + regular[5][3];
    EXPECT_EQ(play(hand_draw::twentyBalls({1, 3, 4}, {2, 5, 6})), sum / 20);
}

TEST_F(Evaluate, TheWinIsCappedAtTheAggregateLimit) {
    state.AggregateLimit = money::Dollars(1000);
    state.Payoffs.RegularPayoffs[0][1] = money::Dollars(750);
    state.PricePerWay = state.PricePerGame = money::Dollars(2);
    EXPECT_EQ(playMarked(TicketKind::Regular, {9}, {9}), money::Dollars(1000));
    EXPECT_EQ(ResultText(result.gameWin), "YOU WON $1,000.00");
}

TEST_F(Evaluate, ScalingRoundsHalfUnitsToEven) {
    EXPECT_EQ(ScaledWin(5, 1000, money::Dollars(1)), 0);  // 0.5 unit
    EXPECT_EQ(ScaledWin(15, 1000, money::Dollars(1)), 2);
    EXPECT_EQ(ScaledWin(25, 1000, money::Dollars(1)), 2);
    EXPECT_EQ(ScaledWin(30000, 500, money::Dollars(1)), 1500);  // $3.00 at $0.05
}

TEST_F(Evaluate, ANegativeEntryIsABustThatCostsTheBalanceAndIsSilent) {
    state.Payoffs.RegularPayoffs[0][0] = money::Dollars(-3);
    state.Balance = money::Dollars(1);
    const std::uint32_t seed = random.seed();
    EXPECT_EQ(playMarked(TicketKind::Regular, {9}, {}), money::Dollars(-3));
    EXPECT_EQ(ResultText(result.gameWin), "BUST");
    EXPECT_EQ(state.Balance, money::Dollars(-2));
    EXPECT_EQ(BalanceCaption(state.Balance), "&You're Down $2.00");
    EXPECT_FALSE(result.sound.has_value());
    EXPECT_EQ(random.seed(), seed);
}

TEST_F(Evaluate, DamagedTicketsPayNothingAndTheBalanceCannotWrap) {
    EXPECT_EQ(playMarked(TicketKind::AllCatches, {1, 2, 3}, {1, 2, 3}), 0);  // no row for 3 spots
    ForgetDraw(state);
    EXPECT_EQ(playMarked(static_cast<TicketKind>(42), {1}, {1}), 0);
    ForgetDraw(state);
    state.Payoffs.RegularPayoffs[0][1] = std::numeric_limits<Money>::max();
    state.AggregateLimit = std::numeric_limits<Money>::max();
    state.Balance = money::Dollars(5);
    playMarked(TicketKind::Regular, {1}, {1});
    EXPECT_EQ(state.Balance, std::numeric_limits<Money>::max());
}

TEST(ResultSound, WinsUpToThePricePerGamePlayOneSoundAndDrawNothing) {
    RandomSource random([] { return 77u; });
    random.reseed();
    EXPECT_EQ(ResultSound(money::Dollars(3), money::Dollars(3), true, random)->name(), "WAVE_81");
    EXPECT_EQ(random.seed(), 77u);

    RandomSource copy = random;
    const auto big = ResultSound(money::Dollars(3) + money::kCent, money::Dollars(3), true, random);
    EXPECT_EQ(big->name(), QStringLiteral("WAVE_%1").arg(90 + copy.below(6)));
    EXPECT_EQ(random.seed(), copy.seed());  // exactly one draw
}

TEST(ResultSound, BustsPickOneOfFiveAndSoundsOffDrawsNothing) {
    const QStringList busts{"WAVE_85", "WAVE_96", "WAVE_97", "WAVE_98", "WAVE_99"};
    RandomSource random([] { return 0u; });
    random.reseed();
    QSet<QString> heard;
    for (int i = 0; i < 200; ++i)
        heard.insert(ResultSound(0, money::Dollars(1), true, random)->name());
    EXPECT_EQ(heard, QSet<QString>(busts.begin(), busts.end()));

    const std::uint32_t seed = random.seed();
    EXPECT_FALSE(ResultSound(0, money::Dollars(1), false, random).has_value());
    EXPECT_FALSE(ResultSound(money::Dollars(9), money::Dollars(1), false, random).has_value());
    EXPECT_EQ(random.seed(), seed);
}
