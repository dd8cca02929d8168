#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <limits>

#include "core/odds/OddsBrowser.h"
#include "core/records/IoError.h"
#include "core/records/ScheduleFile.h"

namespace {

// A schedule file of one record, so schedule 1 lies beyond its end.
QString WriteOneRecordFile(const QTemporaryDir& dir, const PayoffSchedule& schedule) {
    const QString path = dir.filePath(QStringLiteral("cpos.vlr"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    const std::vector<std::uint8_t> bytes = EncodeSchedule(schedule);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return path;
}

struct CountingLoader {
    int calls = 0;
    OddsBrowser::ScheduleLoader loader() {
        return [this](ScheduleInForce& state, int number) {
            ++calls;
            state.AggregateLimit = money::Dollars(1000 + number);
        };
    }
};

}  // namespace

TEST(OddsBrowser, OpensOnTheTicketsTabAndBet) {
    GameState state;
    state.Kind = TicketKind::Way;
    state.PricePerWay = money::Dollars(3);
    OddsBrowser way(state, {});
    EXPECT_EQ(way.tab(), 0);
    EXPECT_EQ(way.bet(), money::Dollars(3));
    EXPECT_EQ(way.mode(), odds::OddsMode::OneIn);

    state.Kind = TicketKind::LastBallDrawn;
    EXPECT_EQ(OddsBrowser(state, {}).tab(), 7);

    state.SpotsPerSet = 0;
    state.SpotsMarked = 0;
    EXPECT_EQ(OddsBrowser::openingSpots(state), 1);
    state.SpotsMarked = 4;
    EXPECT_EQ(OddsBrowser::openingSpots(state), 4);
    state.SpotsPerSet = 6;
    EXPECT_EQ(OddsBrowser::openingSpots(state), 6);
}

TEST(OddsBrowser, TabChangesClampTheSpotCountAndKeepIt) {
    GameState state;
    state.SpotsMarked = 3;
    OddsBrowser browser(state, {});
    browser.selectTab(0);
    EXPECT_EQ(browser.spots(), 3);
    browser.selectTab(1);  // All Catches: 7..10
    EXPECT_EQ(browser.spots(), 7);
    EXPECT_EQ(browser.view().rows[7].catchLabel, "7");
    browser.selectTab(0);
    EXPECT_EQ(browser.spots(), 7);
    // The fixed kinds leave the count alone and show all 21 rows.
    browser.selectTab(5);
    EXPECT_EQ(browser.spots(), 7);
    EXPECT_EQ(browser.view().rows[20].catchLabel, "20");
    EXPECT_FALSE(browser.stepArrow(OddsArrow::SpotUp));
}

TEST(OddsBrowser, SpotArrowsStopAtTheTabsRange) {
    GameState state;
    state.SpotsMarked = 5;
    OddsBrowser browser(state, {});
    browser.selectTab(4);  // Catch All: 2..7
    EXPECT_TRUE(browser.stepArrow(OddsArrow::SpotUp));
    EXPECT_TRUE(browser.stepArrow(OddsArrow::SpotUp));
    EXPECT_EQ(browser.spots(), 7);
    EXPECT_EQ(browser.view().rows[7].catchLabel, "7");
    EXPECT_FALSE(browser.stepArrow(OddsArrow::SpotUp));
    EXPECT_EQ(browser.spots(), 7);
    EXPECT_EQ(state.PayoffSpots, 0);  // the browser keeps its own position
}

TEST(OddsBrowser, HeldBetArrowGrowsItsStep) {
    GameState state;
    OddsBrowser browser(state, {});
    browser.selectTab(0);
    // Press, then the 500 ms repeat, then every 50 ms with a growing step.
    browser.restartBetStep();
    browser.stepArrow(OddsArrow::BetUp);
    EXPECT_EQ(browser.bet(), 10500);
    std::vector<Money> seen;
    for (int tick = 0; tick < 4; ++tick) {
        browser.stepArrow(OddsArrow::BetUp);
        browser.growBetStep();
        seen.push_back(browser.bet());
    }
    EXPECT_EQ(seen, (std::vector<Money>{11000, 12000, 13500, 15500}));

    // Past $10.00 the step starts again at $0.05.
    for (int i = 0; i < 200 && browser.betStep() > OddsBrowser::kBetStep; ++i)
        browser.growBetStep();
    EXPECT_EQ(browser.betStep(), OddsBrowser::kBetStep);

    for (int tick = 0; tick < 500; ++tick) {
        browser.stepArrow(OddsArrow::BetUp);
        browser.growBetStep();
    }
    EXPECT_EQ(browser.bet(), money::Dollars(100));
    EXPECT_FALSE(browser.stepArrow(OddsArrow::BetUp));
}

TEST(OddsBrowser, BetDownStopsAtFiveCents) {
    GameState state;
    state.PricePerWay = 900;  // $0.09
    OddsBrowser browser(state, {});
    browser.selectTab(0);
    EXPECT_FALSE(browser.stepArrow(OddsArrow::BetDown));
    EXPECT_EQ(browser.bet(), 900);

    state.PricePerWay = money::kOneDollar;
    OddsBrowser held(state, {});
    for (int i = 0; i < 5; ++i) held.growBetStep();  // $0.30
    EXPECT_TRUE(held.stepArrow(OddsArrow::BetDown));
    EXPECT_EQ(held.bet(), 7000);
    for (int i = 0; i < 3; ++i) held.stepArrow(OddsArrow::BetDown);
    EXPECT_EQ(held.bet(), OddsBrowser::kLowestBet);

    // The extreme prices a damaged state may carry open at the ends of the range
    // (the smallest one overflowed BET down before).
    state.PricePerWay = std::numeric_limits<Money>::min();
    OddsBrowser lowest(state, {});
    EXPECT_EQ(lowest.bet(), OddsBrowser::kLowestBet);
    EXPECT_FALSE(lowest.stepArrow(OddsArrow::BetDown));
    state.PricePerWay = std::numeric_limits<Money>::max();
    OddsBrowser highest(state, {});
    EXPECT_EQ(highest.bet(), OddsBrowser::kHighestBet);
    EXPECT_FALSE(highest.stepArrow(OddsArrow::BetUp));
}

TEST(OddsBrowser, CasinoArrowsStopAtTheEnds) {
    GameState state;
    CountingLoader counter;
    OddsBrowser browser(state, counter.loader());
    browser.selectTab(0);
    state.ScheduleNumber = 0;
    EXPECT_FALSE(browser.stepArrow(OddsArrow::CasinoDown));
    state.ScheduleNumber = 99;
    EXPECT_FALSE(browser.stepArrow(OddsArrow::CasinoUp));
    EXPECT_EQ(counter.calls, 0);
    EXPECT_EQ(state.ScheduleNumber, 99);

    EXPECT_TRUE(browser.stepArrow(OddsArrow::CasinoDown));
    EXPECT_EQ(state.ScheduleNumber, 98);
    EXPECT_EQ(state.AggregateLimit, money::Dollars(1098));
}

TEST(OddsBrowser, ScheduleBeyondTheFileKeepsNumberAndTables) {
    QTemporaryDir dir;
    PayoffSchedule record0;
    record0.AggregateLimit = money::Dollars(25000);
    record0.Tables.RegularPayoffs[0][1] = money::Dollars(3);
    const QString path = WriteOneRecordFile(dir, record0);

    GameState state;
    LoadStartupSchedule(state, path);
    state.SpotsMarked = 1;
    OddsBrowser browser(state, [path](ScheduleInForce& s, int n) { LoadSchedule(s, path, n); });
    browser.selectTab(0);
    const odds::OddsView before = browser.view();

    try {
        browser.stepArrow(OddsArrow::CasinoUp);
        FAIL() << "schedule 1 was read";
    } catch (const IoError& error) {
        EXPECT_EQ(error.reason(), "Read beyond end of file");
    }
    EXPECT_EQ(state.ScheduleNumber, 0);
    EXPECT_EQ(state.AggregateLimit, money::Dollars(25000));
    EXPECT_EQ(state.Payoffs, record0.Tables);
    EXPECT_EQ(browser.view().rows[1].winText, before.rows[1].winText);
}

TEST(OddsBrowser, ModeSwitchesLeaveWinsAndBetChangesLeaveOdds) {
    GameState state;
    state.Payoffs.RegularPayoffs[1][2] = money::Dollars(12);
    state.AggregateLimit = money::Dollars(50000);
    state.SpotsMarked = 2;
    OddsBrowser browser(state, {});
    browser.selectTab(0);
    const odds::OddsView opened = browser.view();

    browser.stepArrow(OddsArrow::BetUp);
    EXPECT_EQ(browser.view().rows[2].winText, "$12.60");
    EXPECT_EQ(browser.view().rows[2].oddsText, opened.rows[2].oddsText);
    EXPECT_EQ(browser.view().chanceOfWinning, opened.chanceOfWinning);

    browser.setMode(odds::OddsMode::Percent);
    EXPECT_EQ(browser.view().rows[2].winText, "$12.60");
    EXPECT_TRUE(browser.view().chanceOfWinning.endsWith('%'));
}
