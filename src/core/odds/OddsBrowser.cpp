#include "core/odds/OddsBrowser.h"

#include <algorithm>

OddsBrowser::OddsBrowser(GameState& state, ScheduleLoader loadSchedule)
    : schedule_(state),
      loadSchedule_(std::move(loadSchedule)),
      tab_(openingTab(state.Kind)),
      spots_(openingSpots(state)),
      // A damaged price (a fuzzed or foreign state) would overflow the bet
      // arrows' arithmetic; the window's bet stays within its own range.
      bet_(std::clamp(state.PricePerWay, kLowestBet, kHighestBet)) {}

int OddsBrowser::openingSpots(const TicketState& ticket) {
    const int spots = PayoffSpotsOf(ticket);
    return spots != 0 ? spots : 1;
}

void OddsBrowser::selectTab(int tab) {
    tab_ = tab >= 0 && tab < kinds::TabCount() ? tab : 0;
    spots_ = odds::SpotsForTab(tabKind(), spots_);
    fill(odds::kFillAll);
}

bool OddsBrowser::stepArrow(OddsArrow arrow) {
    switch (arrow) {
        case OddsArrow::BetUp:
            return stepBet(true);
        case OddsArrow::BetDown:
            return stepBet(false);
        case OddsArrow::SpotUp:
            return stepSpots(true);
        case OddsArrow::SpotDown:
            return stepSpots(false);
        case OddsArrow::CasinoUp:
            return stepSchedule(true);
        case OddsArrow::CasinoDown:
            return stepSchedule(false);
    }
    return false;
}

void OddsBrowser::growBetStep() {
    betStep_ += kBetStep;
    if (betStep_ > kLargestStep) betStep_ = kBetStep;
}

void OddsBrowser::setMode(odds::OddsMode mode) {
    mode_ = mode;
    fill(odds::kFillOdds);
}

bool OddsBrowser::stepBet(bool up) {
    // The limit test looks one $0.05 ahead; the step taken may be larger and is cut back.
    if (up) {
        if (bet_ + kBetStep > kHighestBet) return false;
        bet_ = std::min(bet_ + betStep_, kHighestBet);
    } else {
        if (bet_ - kBetStep < kLowestBet) return false;
        bet_ = std::max(bet_ - betStep_, kLowestBet);
    }
    fill(odds::kFillWins);
    return true;
}

bool OddsBrowser::stepSpots(bool up) {
    const odds::SpotRange range = spotRange();
    if (range.fixed) return false;
    const int next = spots_ + (up ? 1 : -1);
    if (next < range.minimum || next > range.maximum) return false;
    spots_ = next;
    fill(odds::kFillAll);
    return true;
}

bool OddsBrowser::stepSchedule(bool up) {
    const std::int32_t current = schedule_.ScheduleNumber;
    // Record 0 may name any number; stepping from the ends of the range must not wrap.
    const std::int64_t next = std::int64_t{current} + (up ? 1 : -1);
    if (next < 0 || next > kLastSchedule) return false;
    schedule_.ScheduleNumber = static_cast<std::int32_t>(next);
    try {
        loadSchedule_(schedule_, schedule_.ScheduleNumber);
    } catch (...) {
        // The number shown must stay that of the tables still in force.
        schedule_.ScheduleNumber = current;
        throw;
    }
    fill(odds::kFillAll);
    return true;
}

void OddsBrowser::fill(odds::FillFlags flags) {
    const odds::OddsInputs inputs{
        tabKind(), spots_, bet_, mode_, &schedule_.Payoffs, schedule_.AggregateLimit};
    odds::FillOddsTable(inputs, flags, view_);
}
