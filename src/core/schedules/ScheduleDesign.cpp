#include "core/schedules/ScheduleDesign.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "core/schedules/ReturnToPlayer.h"
#include "core/ticket/KindTable.h"

namespace schedule_design {
namespace {

// How steeply prizes grow as outcomes get rarer: 1 would give every paying
// outcome the same share of the return, less favours the common wins.
constexpr long double kSteepness = 0.75L;
constexpr int kSearchSteps = 60;

constexpr long double kStandardReturn = 0.78L;
constexpr long double kLowestReturn = 0.70L;
constexpr long double kHighestReturn = 0.95L;
constexpr std::array<std::int64_t, 6> kLimitDollars{50'000,  100'000, 200'000,
                                                    250'000, 500'000, 1'000'000};

// Round amounts: $0.10, $0.20, $0.25, $0.50, whole and half dollars below $10,
// then whole dollars with at most two significant digits ($10 .. $99,
// $100 .. $990, ...) up to $1,000,000.
const std::vector<Money>& RoundAmounts() {
    static const std::vector<Money> amounts = [] {
        std::vector<Money> list{1000, 2000, 2500};
        for (Money half = 5000; half < money::Dollars(10); half += 5000) list.push_back(half);
        for (std::int64_t scale = 1; scale <= 10'000; scale *= 10)
            for (std::int64_t lead = 10; lead < 100; ++lead)
                list.push_back(money::Dollars(lead * scale));
        list.push_back(money::Dollars(1'000'000));
        return list;
    }();
    return amounts;
}

// The coarser steps a prize is pushed down by when a rarer outcome already
// pays what it would: $50,000, $40,000, $30,000, $25,000, $20,000, ... so a
// capped top spreads out instead of paying the limit several times over.
const std::vector<Money>& PrizeSteps() {
    static const std::vector<Money> steps = [] {
        std::vector<Money> list{1000, 2000, 2500, 5000};
        for (std::int64_t scale = 1; scale <= 1'000'000; scale *= 10)
            for (std::int64_t lead : {10, 15, 20, 25, 30, 40, 50, 60, 80})
                if (lead * scale <= 10'000'000) list.push_back(lead * scale * 1000);
        return list;
    }();
    return steps;
}

// The largest amount of `amounts` below `amount`, or 0 when there is none.
Money StepBelow(const std::vector<Money>& amounts, Money amount) {
    const auto below = std::lower_bound(amounts.begin(), amounts.end(), amount);
    return below == amounts.begin() ? 0 : *std::prev(below);
}

// The smallest amount of `amounts` above `amount`, or 0 when there is none.
Money StepAbove(const std::vector<Money>& amounts, Money amount) {
    const auto above = std::upper_bound(amounts.begin(), amounts.end(), amount);
    return above == amounts.end() ? 0 : *above;
}

// One payoff row being designed: its reachable outcomes and which of them pay.
struct RowDesign {
    std::vector<PayoffOutcome> outcomes;
    std::vector<bool> paying;
    std::vector<long double> weight;  // probability to the power -kSteepness
    // Paying outcomes grouped by equal probability, most common group first.
    std::vector<std::vector<std::size_t>> byRarity;
    // Outcomes held below their own amount by a rarer one; raising them
    // would only close the steps again.
    std::vector<bool> pinned;
    std::span<Money> row;
    Money limit = 0;

    Money& entry(std::size_t i) const { return row[static_cast<std::size_t>(outcomes[i].index)]; }
    long double payout() const { return ExpectedPayout(outcomes, row); }

    void groupByRarity() {
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < outcomes.size(); ++i)
            if (paying[i]) order.push_back(i);
        std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
            return outcomes[a].probability > outcomes[b].probability;
        });
        for (std::size_t i : order) {
            if (byRarity.empty() ||
                outcomes[byRarity.back().front()].probability != outcomes[i].probability)
                byRarity.emplace_back();
            byRarity.back().push_back(i);
        }
        pinned.assign(outcomes.size(), false);
    }

    // Every entry at one scale: a round amount inversely to the outcome's
    // probability raised to kSteepness, capped at the limit, then each one
    // kept strictly below every rarer one - stepped down from the rarest,
    // and stepped up from the most common where the bottom runs out. Only
    // reachable entries are written, since Bet Against and Catch All share
    // one row. The return still only grows with the scale.
    void fill(long double scale) {
        const long double limitDollars = static_cast<long double>(limit) / money::kOneDollar;
        for (std::size_t i = 0; i < outcomes.size(); ++i) entry(i) = 0;
        std::vector<Money> own(outcomes.size(), 0);
        Money rarer = 0;
        for (auto group = byRarity.rbegin(); group != byRarity.rend(); ++group) {
            const std::size_t first = group->front();
            own[first] =
                std::min(RoundAmount(std::min(scale * weight[first], limitDollars)), limit);
            const Money amount =
                rarer == 0 ? own[first] : std::min(own[first], StepBelow(PrizeSteps(), rarer));
            for (std::size_t j : *group) entry(j) = amount;
            if (amount == 0) break;  // the rest are set from the bottom up
            rarer = amount;
        }
        Money commoner = 0;
        for (const std::vector<std::size_t>& group : byRarity) {
            const std::size_t first = group.front();
            if (entry(first) <= commoner) {
                const Money amount =
                    commoner == 0 ? RoundAmounts().front() : StepAbove(RoundAmounts(), commoner);
                for (std::size_t j : group) entry(j) = amount;
            }
            commoner = entry(first);
            for (std::size_t j : group) pinned[j] = entry(first) < own[first];
        }
    }

    // The next round amount for outcome i, or 0 when it is pinned or raising
    // it would pay as much as a rarer outcome or more than the limit.
    Money raised(std::size_t i) const {
        if (pinned[i]) return 0;
        const Money next = StepAbove(RoundAmounts(), entry(i));
        if (next == 0 || next > limit) return 0;
        for (std::size_t j = 0; j < outcomes.size(); ++j)
            if (paying[j] && outcomes[j].probability < outcomes[i].probability && entry(j) <= next)
                return 0;
        return next;
    }

    // Equally likely outcomes (the two halves of Forty Forty) move together.
    std::vector<std::size_t> twins(std::size_t i) const {
        std::vector<std::size_t> group;
        for (std::size_t j = 0; j < outcomes.size(); ++j)
            if (paying[j] && outcomes[j].probability == outcomes[i].probability) group.push_back(j);
        return group;
    }

    // Closes the gap the coarse amounts leave below the target: raises one
    // outcome at a time by one step, the biggest gain that still fits first.
    void topUp(long double target) const {
        for (;;) {
            long double best = payout();
            std::vector<std::pair<std::size_t, Money>> bestChange;
            for (std::size_t i = 0; i < outcomes.size(); ++i) {
                if (!paying[i]) continue;
                std::vector<std::pair<std::size_t, Money>> change;
                for (std::size_t j : twins(i)) change.push_back({j, entry(j)});
                const Money next = raised(i);
                if (next == 0 || change.front().first != i) continue;
                for (auto& [j, old] : change) entry(j) = next;
                const long double tried = payout();
                if (tried <= target && tried > best) {
                    best = tried;
                    bestChange.clear();
                    for (auto& [j, old] : change) bestChange.push_back({j, next});
                }
                for (auto& [j, old] : change) entry(j) = old;
            }
            if (bestChange.empty()) return;
            for (auto& [j, amount] : bestChange) entry(j) = amount;
        }
    }
};

// Largest scale whose rounded row stays at or under the target return (the
// return only grows with the scale, so halving the interval finds it), then
// single steps up to the target.
void DesignRow(PayoffTables& tables, const PaidTicket& ticket, const ScheduleTerms& terms) {
    RowDesign design;
    design.outcomes = ReachableOutcomes(ticket.kind, ticket.spots);
    for (const PayoffOutcome& outcome : design.outcomes) {
        design.paying.push_back(Pays(ticket.kind, ticket.spots, outcome.index));
        design.weight.push_back(std::pow(outcome.probability, -kSteepness));
    }
    design.groupByRarity();
    design.row = PayoffRow(tables, ticket.kind, ticket.spots);
    design.limit = terms.aggregateLimit;
    const auto returnAt = [&design](long double logScale) {
        design.fill(std::exp(logScale));
        return design.payout();
    };
    long double low = std::log(1e-9L);
    long double high = std::log(1e3L);
    if (returnAt(low) > terms.targetReturn)
        throw std::logic_error("the smallest prizes already return too much");
    for (int step = 0; step < kSearchSteps; ++step) {
        const long double middle = (low + high) / 2;
        (returnAt(middle) <= terms.targetReturn ? low : high) = middle;
    }
    returnAt(low);
    design.topUp(terms.targetReturn);
}

}  // namespace

ScheduleTerms Terms(int number) {
    if (number <= 0) return {money::Dollars(kLimitDollars[0]), kStandardReturn};
    const long double step = (kHighestReturn - kLowestReturn) / (kScheduleCount - 2);
    const auto limit = kLimitDollars[static_cast<std::size_t>(number) % kLimitDollars.size()];
    return {money::Dollars(limit), kLowestReturn + step * (number - 1)};
}

bool Pays(TicketKind kind, int spots, int index) {
    const kinds::KindPayoff* payoff = kinds::PayoffOf(kind);
    if (!payoff) return false;
    // Outcomes of the rows a kind never pays get no prize.
    if (payoff->payRule == kinds::PayRule::ByCatches && !kinds::CatchesCanPay(*payoff, index))
        return false;
    return payoff->designPays(spots, index);
}

Money RoundAmount(long double dollars) {
    const std::vector<Money>& amounts = RoundAmounts();
    const long double units = dollars * 10000.0L;
    const auto above = std::lower_bound(
        amounts.begin(), amounts.end(), units,
        [](Money amount, long double value) { return static_cast<long double>(amount) < value; });
    if (above == amounts.begin()) return amounts.front();
    if (above == amounts.end()) return amounts.back();
    const auto below = std::prev(above);
    // Nearest by ratio, so $9 and $10 split at the same place as $900 and $1,000.
    const long double lower = static_cast<long double>(*below);
    const long double upper = static_cast<long double>(*above);
    return units * units < lower * upper ? *below : *above;
}

PayoffSchedule Design(int number) {
    PayoffSchedule schedule;
    schedule.ScheduleNumber = number;
    const ScheduleTerms terms = Terms(number);
    schedule.AggregateLimit = terms.aggregateLimit;
    for (const PaidTicket& ticket : PaidTickets()) DesignRow(schedule.Tables, ticket, terms);
    return schedule;
}

std::vector<PayoffSchedule> DesignAll() {
    std::vector<PayoffSchedule> schedules;
    schedules.reserve(kScheduleCount);
    for (int number = 0; number < kScheduleCount; ++number) schedules.push_back(Design(number));
    return schedules;
}

}  // namespace schedule_design
