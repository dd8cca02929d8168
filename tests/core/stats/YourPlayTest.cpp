#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/state/TicketKind.h"
#include "core/stats/ChiSquare.h"
#include "core/stats/PlayFigures.h"
#include "core/stats/PlayWords.h"

using namespace stats;

namespace {

// C(n, k) by Pascal's rule; C(80, 20) still fits.
long double Choose(int n, int k) {
    if (k < 0 || k > n) return 0.0L;
    std::vector<std::uint64_t> row(static_cast<std::size_t>(k) + 1, 0);
    row[0] = 1;
    for (int i = 1; i <= n; ++i)
        for (int j = std::min(i, k); j >= 1; --j)
            row[static_cast<std::size_t>(j)] += row[static_cast<std::size_t>(j - 1)];
    return static_cast<long double>(row[static_cast<std::size_t>(k)]);
}

// The hypergeometric law: exactly c of `marked` numbers among 20 balls of 80.
long double Caught(int marked, int c) {
    return Choose(marked, c) * Choose(80 - marked, 20 - c) / Choose(80, 20);
}

// The chi-square density integrated by Simpson's rule from x to far out.
long double TailByIntegration(long double x, int degrees) {
    const long double k = degrees / 2.0L;
    auto density = [k](long double t) {
        return std::exp((k - 1) * std::log(t) - t / 2 - k * std::log(2.0L) - std::lgamma(k));
    };
    const long double end = x + 400.0L;
    const int steps = 20000;
    const long double h = (end - x) / steps;
    long double sum = density(x) + density(end);
    for (int i = 1; i < steps; ++i) sum += (i % 2 ? 4 : 2) * density(x + i * h);
    return sum * h / 3;
}

HistoryContents Unplayed(int lastGame) {
    HistoryContents history;
    history.header.GameNumber = lastGame;
    history.games.resize(1000);
    for (int g = 0; g < 1000; ++g) history.games[static_cast<std::size_t>(g)].GameNumber = g;
    return history;
}

void SetBalls(GameRecord& record, const std::vector<int>& balls) {
    for (std::size_t i = 0; i < 20; ++i) record.Drawn[i] = static_cast<std::uint8_t>(balls[i]);
}

// from, from + 1, ..., to.
std::vector<int> Numbers(int from, int to) {
    std::vector<int> balls;
    for (int n = from; n <= to; ++n) balls.push_back(n);
    return balls;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A plain ticket of `numbers`, played once at `price` on the balls 1..20.
GameRecord Plain(const std::vector<int>& numbers, Money price, Money win = 0) {
    GameRecord record;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        record.Sets[1].Numbers[i] = static_cast<std::uint8_t>(numbers[i]);
    record.SpotsMarked = record.SpotsPerSet = static_cast<std::uint8_t>(numbers.size());
    record.CurrentSet = 1;
    record.Ways = 1;
    record.NumberOfGames = 1;
    record.PricePerWay = price;
    record.GameWin = win;
    SetBalls(record, Numbers(1, 20));
    return record;
}

PlayHistory OneGame(const GameRecord& record, const PayoffTables& tables, Money limit) {
    HistoryContents history = Unplayed(0);
    history.games[0] = record;
    return PlayOf(history, tables, limit);
}

}  // namespace

TEST(YourPlay, ChiSquareTailMatchesTheIntegratedDensityAndTheTables) {
    // Both sides of x = degrees + 2, where the series gives way to the fraction.
    for (const long double x : {30.0L, 79.0L, 80.9L, 81.1L, 100.0L, 150.0L})
        EXPECT_NEAR(static_cast<double>(ChiSquareUpperTail(x, 79)),
                    static_cast<double>(TailByIntegration(x, 79)), 1e-10)
            << static_cast<double>(x);
    // The 5% and 1% points of 79 degrees of freedom in printed tables.
    EXPECT_NEAR(static_cast<double>(ChiSquareUpperTail(100.749L, 79)), 0.05, 5e-5);
    EXPECT_NEAR(static_cast<double>(ChiSquareUpperTail(111.144L, 79)), 0.01, 5e-5);
    EXPECT_NEAR(static_cast<double>(ChiSquareUpperTail(6.0L, 2)), std::exp(-3.0), 1e-15);
    EXPECT_EQ(ChiSquareUpperTail(0.0L, 79), 1.0L);
}

TEST(YourPlay, APlainTicketIsWorthItsRoundedCappedWinsUnderTheHypergeometricLaw) {
    // Five spots at $0.50: $0.0001, $0.0003 and $0.0005 leave half a unit to
    // round to even; $200.00 becomes $100.00, above the $50.00 limit.
    PayoffTables tables;
    tables.RegularPayoffs[4] = {0, 1, 3, 5, 20000, 2'000'000};
    const Money limit = money::Dollars(50);
    const long double wins[] = {0, 0, 2, 2, 10000, 500000};
    long double mean = 0.0L, square = 0.0L;
    for (int c = 0; c <= 5; ++c) {
        mean += Caught(5, c) * wins[c];
        square += Caught(5, c) * wins[c] * wins[c];
    }
    const PlayHistory play = OneGame(Plain({3, 14, 25, 36, 47}, 5000), tables, limit);
    ASSERT_EQ(play.games.size(), 1U);
    EXPECT_NEAR(static_cast<double>(play.games[0].worth.mean), static_cast<double>(mean), 1e-9);
    EXPECT_NEAR(static_cast<double>(play.games[0].worth.variance),
                static_cast<double>(square - mean * mean), 1e-3);

    // A Forty paying $1.00 a catch: the mean and variance of the catches of
    // 40 numbers among 20 of 80, 10 and 20 (1/2)(1/2)(60/79).
    PayoffTables forty;
    for (int c = 0; c <= 20; ++c)
        forty.FortyPayoffs[static_cast<std::size_t>(c)] = money::Dollars(c);
    GameRecord top = Plain(Numbers(1, 20), money::kOneDollar);
    top.TicketKind = KindByte(TicketKind::Forty);
    top.KindCode = QStringLiteral("T");
    top.CurrentSet = 2;
    for (std::size_t i = 0; i < 20; ++i) top.Sets[2].Numbers[i] = static_cast<std::uint8_t>(21 + i);
    const PlayHistory fortyPlay = OneGame(top, forty, money::Dollars(50000));
    ASSERT_EQ(fortyPlay.games.size(), 1U) << fortyPlay.damaged.front().reason.toStdString();
    EXPECT_NEAR(static_cast<double>(fortyPlay.games[0].worth.mean), 100000.0, 1e-6);
    EXPECT_NEAR(static_cast<double>(fortyPlay.games[0].worth.variance), 5.0 * 60 / 79 * 1e8, 1e-2);
}

TEST(YourPlay, AWayTicketIsWorthItsWaysAddedThenCappedPerDraw) {
    // Two groups of one number, both rows bet: one catch pays the 1-spot way
    // $3.00 and the 2-spot way $1.00; two catch $3.00 twice and $12.00, $18.00
    // capped at $15.00.
    PayoffTables tables;
    tables.RegularPayoffs[0][1] = money::Dollars(3);
    tables.RegularPayoffs[1][1] = money::Dollars(1);
    tables.RegularPayoffs[1][2] = money::Dollars(12);
    GameRecord way = Plain({}, money::kOneDollar);
    way.TicketKind = KindByte(TicketKind::Way);
    way.Sets[1].Numbers[0] = 9;
    way.Sets[2].Numbers[0] = 70;
    way.SpotsMarked = 0;
    way.SpotsPerSet = 1;
    way.CompletedSets = 2;
    way.CurrentSet = 3;
    way.WayCounts[0] = 2;
    way.WayCounts[1] = 1;
    way.Ways = 3;
    const long double mean = Caught(2, 1) * 40000 + Caught(2, 2) * 150000;
    const long double square = Caught(2, 1) * 40000.0L * 40000 + Caught(2, 2) * 150000.0L * 150000;
    // The same ticket at $2.00 a way: $8.00 on one catch, $36.00 capped on two.
    HistoryContents history = Unplayed(1);
    history.games[0] = way;
    history.games[1] = way;
    history.games[1].PricePerWay = money::Dollars(2);
    const long double dearer = Caught(2, 1) * 80000 + Caught(2, 2) * 150000;
    const PlayHistory play = PlayOf(history, tables, money::Dollars(15));
    ASSERT_EQ(play.games.size(), 2U);
    EXPECT_EQ(play.games[0].price, money::Dollars(3));
    EXPECT_NEAR(static_cast<double>(play.games[0].worth.mean), static_cast<double>(mean), 1e-9);
    EXPECT_NEAR(static_cast<double>(play.games[0].worth.variance),
                static_cast<double>(square - mean * mean), 1e-3);
    EXPECT_NEAR(static_cast<double>(play.games[1].worth.mean), static_cast<double>(dearer), 1e-9);
}

TEST(YourPlay, GamesRunOldestFirstRoundTheRingDamagedSlotsAreSetAsideANegativeWinCounts) {
    HistoryContents history = Unplayed(1);
    const auto put = [&history](int game, Money win) -> GameRecord& {
        GameRecord& record = history.games[static_cast<std::size_t>(game)];
        record = Plain({5}, money::kOneDollar, win);
        record.GameNumber = game;
        return record;
    };
    put(998, money::Dollars(3));
    put(999, 0);
    put(0, money::Dollars(3));
    put(1, -money::kOneDollar);  // a table may pay less than nothing
    put(500, 0).Drawn[7] = 93;
    put(600, 0).TicketKind = 12;
    put(700, 0).Drawn[19] = 1;  // ball 1 twice
    PayoffTables tables;
    tables.RegularPayoffs[0][1] = money::Dollars(3);
    const PlayHistory play = PlayOf(history, tables, money::Dollars(50000));

    std::vector<int> order;
    for (const PlayedGame& game : play.games) order.push_back(game.gameNumber);
    EXPECT_EQ(order, (std::vector<int>{998, 999, 0, 1}));
    ASSERT_EQ(play.damaged.size(), 3U);
    EXPECT_EQ(play.damaged[0].gameNumber, 500);
    EXPECT_EQ(play.damaged[0].reason, "ball 93 was drawn");
    EXPECT_EQ(play.damaged[1].gameNumber, 600);
    EXPECT_TRUE(play.damaged[1].reason.startsWith("its ticket: "))
        << play.damaged[1].reason.toStdString();
    EXPECT_EQ(play.damaged[2].reason, "ball 1 was drawn twice");
    // Only the four games count their balls: 1..20 four times.
    EXPECT_EQ(play.balls[1], 4);
    EXPECT_EQ(play.balls[21], 0);

    // $1.00 a game, $3.00 back on a quarter of the draws: 75 cents expected.
    std::vector<Money> net;
    for (const NetPoint& point : NetResult(play)) {
        net.push_back(point.net);
        EXPECT_NEAR(static_cast<double>(point.expectedNet),
                    -2500.0 * static_cast<double>(net.size()), 1e-6);
    }
    EXPECT_EQ(net, (std::vector<Money>{20000, 10000, 30000, 10000}));
    const NetPoint last = NetResult(play).back();
    EXPECT_NEAR(static_cast<double>(last.deviation), std::sqrt(4 * 0.1875) * 30000, 1e-6);
}

TEST(YourPlay, FiguresOfAKnownHistoryInTheToolsLines) {
    HistoryContents history = Unplayed(3);
    for (int game = 0; game < 4; ++game) {
        history.games[static_cast<std::size_t>(game)] =
            Plain({5}, money::kOneDollar, game % 2 == 0 ? money::Dollars(3) : 0);
    }
    PayoffTables tables;
    tables.RegularPayoffs[0][1] = money::Dollars(3);
    EXPECT_EQ(FigureLines(FiguresOf(PlayOf(Unplayed(999), tables, 1))).size(), 1U);

    // Four games at $1.00 paying $3.00 on a quarter of the draws: 75 cents
    // expected each, a variance of (3/16) $3.00^2 each; balls 1..20 every time.
    std::vector<QString> shown;
    for (const FigureLine& line : FigureLines(FiguresOf(PlayOf(history, tables, 1'000'000))))
        shown.push_back(line.label + '\t' + line.value);
    EXPECT_EQ(shown,
              (std::vector<QString>{
                  "Games\t4", "Paid\t$4.00", "Won\t$6.00", "Return To Player\t150.00%",
                  "Expected Return\t$3.00", "Standard Deviation\t$2.60", "Luck\t+1.15",
                  "Fairness Statistic\t316.00", "Degrees Of Freedom\t79", "P Value\t0.0000"}));
    // Nothing won: luck below 0; a table that pays nothing has no spread.
    for (GameRecord& record : history.games) record.GameWin = 0;
    EXPECT_EQ(DescribeFigures(FiguresOf(PlayOf(history, tables, 1'000'000))).luck, "-1.15");
    EXPECT_EQ(DescribeFigures(FiguresOf(PlayOf(history, {}, 1'000'000))).luck, "n/a");
}

TEST(YourPlay, FairnessOfHandMadeDraws) {
    struct Case {
        std::vector<std::vector<int>> draws;
        const char* statistic;
        const char* pValue;
    };
    // Four games, so each number is expected once and G c = 60/79.
    const Case cases[] = {
        // Every number once.
        {{Numbers(1, 20), Numbers(21, 40), Numbers(41, 60), Numbers(61, 80)}, "0.00", "1.0000"},
        // 30 numbers twice, 30 never: squares add up to 60.
        {{Numbers(1, 20), Numbers(1, 20), Join(Numbers(21, 30), Numbers(41, 50)),
          Join(Numbers(21, 30), Numbers(51, 60))},
         "79.00",
         "0.4788"},
        // 1..20 four times: 20 x 9 + 60 x 1 = 240.
        {{Numbers(1, 20), Numbers(1, 20), Numbers(1, 20), Numbers(1, 20)}, "316.00", "0.0000"},
    };
    for (const Case& c : cases) {
        HistoryContents history = Unplayed(3);
        for (std::size_t g = 0; g < c.draws.size(); ++g) {
            history.games[g] = Plain({5}, money::kOneDollar);
            SetBalls(history.games[g], c.draws[g]);
        }
        const PlayHistory play = PlayOf(history, {}, 1);
        const FigureTexts texts = DescribeFigures(FiguresOf(play));
        EXPECT_EQ(texts.fairnessStatistic, c.statistic);
        EXPECT_EQ(texts.pValue, c.pValue) << c.statistic;
        if (c.statistic == std::string("79.00")) {
            EXPECT_EQ(DescribePlay(play, FiguresOf(play), 0).fairness,
                      "The balls pass the fairness test: p = 0.48.");
        }
    }
    EXPECT_NEAR(static_cast<double>(TailByIntegration(79.0L, 79)), 0.4788, 5e-5);
}

TEST(YourPlay, ADrawThatFavoursTenNumbersIsFlagged) {
    // 1000 games drawn without replacement by weight: 1..10 weigh `favour`,
    // the others 1.
    auto pValue = [](double favour) {
        std::mt19937 random(20240611);
        HistoryContents history = Unplayed(999);
        for (GameRecord& record : history.games) {
            record = Plain({5}, money::kOneDollar);
            std::vector<double> weight(81, 1.0);
            weight[0] = 0.0;
            for (int n = 1; n <= 10; ++n) weight[static_cast<std::size_t>(n)] = favour;
            for (std::size_t i = 0; i < 20; ++i) {
                std::discrete_distribution<int> pick(weight.begin(), weight.end());
                const int ball = pick(random);
                record.Drawn[i] = static_cast<std::uint8_t>(ball);
                weight[static_cast<std::size_t>(ball)] = 0.0;
            }
        }
        return FiguresOf(PlayOf(history, {}, 1)).fairness.pValue;
    };
    EXPECT_LT(pValue(1.5), 0.01L);
    EXPECT_GT(pValue(1.0), 0.01L);
}

TEST(YourPlay, LuckInWords) {
    const std::pair<long double, const char*> cases[] = {
        {0.99L, "well within the usual"}, {-1.5L, "within the usual"},
        {2.2L, "luckier than usual"},     {-2.2L, "unluckier than usual"},
        {3.1L, "far luckier than usual"}, {-3.0L, "far unluckier than usual"}};
    for (const auto& [luck, words] : cases)
        EXPECT_EQ(LuckWords(luck), words) << static_cast<double>(luck);
}
