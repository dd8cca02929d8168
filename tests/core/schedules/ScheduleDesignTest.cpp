#include <gtest/gtest.h>

#include <set>

#include "core/records/ScheduleFile.h"
#include "core/schedules/ReturnToPlayer.h"
#include "core/schedules/ScheduleDesign.h"
#include "core/ticket/KindTable.h"

using namespace schedule_design;

namespace {

// Designing all hundred takes a moment; the property tests share one set.
const std::vector<PayoffSchedule>& Delivered() {
    static const std::vector<PayoffSchedule> schedules = DesignAll();
    return schedules;
}

// $0.10, $0.20, $0.25, $0.50; whole or half dollars below $10; above that
// whole dollars with at most two significant digits.
bool IsRound(Money amount) {
    if (amount == 1000 || amount == 2000 || amount == 2500 || amount == 5000) return true;
    if (amount < money::Dollars(10)) return amount >= money::kOneDollar && amount % 5000 == 0;
    if (amount % money::kOneDollar != 0) return false;
    std::int64_t whole = amount / money::kOneDollar;
    while (whole >= 100) {
        if (whole % 10 != 0) return false;
        whole /= 10;
    }
    return true;
}

}  // namespace

TEST(ScheduleDesign, SameBytesEveryTime) {
    for (int number : {0, 37, 99})
        EXPECT_EQ(EncodeSchedule(Design(number)),
                  EncodeSchedule(Delivered()[static_cast<std::size_t>(number)]))
            << number;
}

TEST(ScheduleDesign, HundredSchedulesWithTheirNumbersAndLimits) {
    ASSERT_EQ(Delivered().size(), 100u);
    EXPECT_EQ(Delivered()[0].AggregateLimit, money::Dollars(50'000));
    std::set<Money> limits;
    for (std::size_t n = 0; n < Delivered().size(); ++n) {
        const PayoffSchedule& schedule = Delivered()[n];
        EXPECT_EQ(schedule.ScheduleNumber, static_cast<int>(n));
        EXPECT_GE(schedule.AggregateLimit, money::Dollars(50'000));
        EXPECT_LE(schedule.AggregateLimit, money::Dollars(1'000'000));
        limits.insert(schedule.AggregateLimit);
    }
    EXPECT_TRUE(limits.count(money::Dollars(1'000'000)));
}

TEST(ScheduleDesign, ReturnsStayBelowTheStakeAndSpanTheRange) {
    long double lowestMean = 1.0L;
    long double highestMean = 0.0L;
    for (const PayoffSchedule& schedule : Delivered()) {
        long double sum = 0.0L;
        for (const PaidTicket& ticket : PaidTickets()) {
            const long double rtp = ReturnToPlayer(schedule.Tables, ticket.kind, ticket.spots);
            EXPECT_LT(rtp, 1.0L) << schedule.ScheduleNumber << " "
                                 << kinds::KindName(ticket.kind).toStdString() << " "
                                 << ticket.spots;
            EXPECT_GT(rtp, 0.5L);
            sum += rtp;
        }
        const long double mean = sum / static_cast<long double>(PaidTickets().size());
        if (schedule.ScheduleNumber == 0) {
            EXPECT_GE(mean, 0.75L);
            EXPECT_LE(mean, 0.80L);
        }
        lowestMean = std::min(lowestMean, mean);
        highestMean = std::max(highestMean, mean);
    }
    EXPECT_GT(lowestMean, 0.66L);
    EXPECT_LT(lowestMean, 0.72L);
    EXPECT_GT(highestMean, 0.92L);
}

// Strictly more: several catches all paying the capped limit would break it.
TEST(ScheduleDesign, EveryEntryIsRoundWithinTheLimitAndRarerPaysMore) {
    for (const PayoffSchedule& schedule : Delivered()) {
        for (const PaidTicket& ticket : PaidTickets()) {
            const auto row = PayoffRow(schedule.Tables, ticket.kind, ticket.spots);
            const auto outcomes = ReachableOutcomes(ticket.kind, ticket.spots);
            for (const PayoffOutcome& a : outcomes) {
                const Money paid = row[static_cast<std::size_t>(a.index)];
                EXPECT_EQ(paid > 0, Pays(ticket.kind, ticket.spots, a.index));
                if (paid == 0) continue;
                EXPECT_TRUE(IsRound(paid)) << paid;
                EXPECT_LE(paid, schedule.AggregateLimit);
                for (const PayoffOutcome& b : outcomes) {
                    const Money other = row[static_cast<std::size_t>(b.index)];
                    if (other > 0 && b.probability < a.probability) {
                        EXPECT_GT(other, paid)
                            << kinds::KindName(ticket.kind).toStdString() << " " << ticket.spots
                            << ": " << b.index << " vs " << a.index;
                    }
                }
            }
        }
    }
}

TEST(ScheduleDesign, UnreachablePositionsHoldZero) {
    for (const PayoffSchedule& schedule : {Delivered()[0], Delivered()[99]}) {
        PayoffTables reached = schedule.Tables;
        for (const PaidTicket& ticket : PaidTickets()) {
            const auto row = PayoffRow(reached, ticket.kind, ticket.spots);
            for (const PayoffOutcome& outcome : ReachableOutcomes(ticket.kind, ticket.spots))
                row[static_cast<std::size_t>(outcome.index)] = 0;
        }
        EXPECT_EQ(reached, PayoffTables{});
    }
}

TEST(ScheduleDesign, EachKindPaysWhereItsTicketsExpect) {
    const PayoffTables& t = Delivered()[0].Tables;
    for (int spots = 7; spots <= 10; ++spots)
        for (int c = 0; c <= spots; ++c)
            EXPECT_GT(t.AllCatchesPayoffs[static_cast<std::size_t>(spots - 7)]
                                         [static_cast<std::size_t>(c)],
                      0);
    for (int h = 0; h <= 20; ++h) {
        EXPECT_EQ(t.FortyPayoffs[static_cast<std::size_t>(h)] > 0, h >= 11) << h;
        EXPECT_EQ(t.FortyFortyPayoffs[static_cast<std::size_t>(h)] > 0, h <= 7 || h >= 13) << h;
        EXPECT_EQ(t.FortyFortyPayoffs[static_cast<std::size_t>(h)],
                  t.FortyFortyPayoffs[static_cast<std::size_t>(20 - h)]);
    }
    for (int spots = 8; spots <= 15; ++spots)
        EXPECT_GT(t.BetAgainstPayoffs[static_cast<std::size_t>(spots)], 0);
    for (int spots = 2; spots <= 7; ++spots)
        EXPECT_GT(t.CatchAllPayoffs[static_cast<std::size_t>(spots)], 0);
    for (const auto& pair : t.AllOrNothingPayoffs) EXPECT_TRUE(pair[0] > 0 && pair[1] > 0);
    for (int spots = 1; spots <= 6; ++spots) {
        const auto& row = t.LastBallPayoffs[static_cast<std::size_t>(spots - 1)];
        EXPECT_GT(row[static_cast<std::size_t>(spots + 1)], row[static_cast<std::size_t>(spots)]);
    }
    // A 10-spot pays its top prize at the cap of the house schedule.
    EXPECT_EQ(t.RegularPayoffs[9][10], money::Dollars(50'000));
}

TEST(ScheduleDesign, RoundAmountsAreNearestByRatio) {
    EXPECT_EQ(RoundAmount(0.01L), 1000);
    EXPECT_EQ(RoundAmount(0.24L), 2500);
    EXPECT_EQ(RoundAmount(2.7L), 25000);
    EXPECT_EQ(RoundAmount(11.4L), money::Dollars(11));
    EXPECT_EQ(RoundAmount(1234.0L), money::Dollars(1200));
    EXPECT_EQ(RoundAmount(5e7L), money::Dollars(1'000'000));
}
