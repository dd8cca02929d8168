#pragma once

#include <vector>

#include "core/state/PayoffTables.h"
#include "core/state/TicketKind.h"

// The payoff schedules delivered in cpos.vlr, built the same way on every run:
// each paying outcome pays a round amount, strictly more than any more common
// outcome of its row, scaled per payoff row to stay just under the schedule's
// target return, and never above its aggregate limit (a top that would pass
// it steps down from the limit instead of paying it several times).
namespace schedule_design {

constexpr int kScheduleCount = 100;

struct ScheduleTerms {
    Money aggregateLimit = 0;
    long double targetReturn = 0.0L;  // per row, 0.78 = 78% of the price back
};

// Schedule 0 is the house standard; 1..99 climb from 70% to 95%.
ScheduleTerms Terms(int number);

// Whether the design pays this outcome (an index of the kind's payoff row).
bool Pays(TicketKind kind, int spots, int index);

// The nearest round amount to `dollars` ($0.10, $0.25, $1, $12, $1,500, ...),
// never below the smallest.
Money RoundAmount(long double dollars);

PayoffSchedule Design(int number);
std::vector<PayoffSchedule> DesignAll();

}  // namespace schedule_design
