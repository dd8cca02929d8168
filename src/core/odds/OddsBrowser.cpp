#include "core/odds/OddsBrowser.h"

#include <algorithm>

OddsBrowser::OddsBrowser(GameState& state, ScheduleLoader loadSchedule)
    : state_(state),
      loadSchedule_(std::move(loadSchedule)),
      tab_(OpeningTab(state.Kind)),
      // A damaged price (a fuzzed or foreign state) would overflow the bet
      // arrows' arithmetic; the window's bet stays within its own range.
      bet_(std::clamp(state.PricePerWay, kLowestBet, kHighestBet)) {}

int OddsBrowser::OpeningTab(TicketKind kind) {
    const int tab = kindByte(kind);
    return tab < odds::kOddsTabs ? tab : 0;
}

int OddsBrowser::OpeningSpots(const GameState& state) {
    if (state.SpotsPerSet != 0) return state.SpotsPerSet;
    if (state.SpotsMarked != 0) return state.SpotsMarked;
    return 1;
}

void OddsBrowser::SelectTab(int tab) {
    tab_ = tab >= 0 && tab < odds::kOddsTabs ? tab : 0;
    state_.PayoffSpots =
        static_cast<std::uint8_t>(odds::SpotsForTab(tabKind(), state_.PayoffSpots));
    Fill(odds::kFillAll);
}

bool OddsBrowser::ArrowAction(OddsArrow arrow) {
    switch (arrow) {
        case OddsArrow::BetUp:
            return StepBet(true);
        case OddsArrow::BetDown:
            return StepBet(false);
        case OddsArrow::SpotUp:
            return StepSpots(true);
        case OddsArrow::SpotDown:
            return StepSpots(false);
        case OddsArrow::CasinoUp:
            return StepSchedule(true);
        case OddsArrow::CasinoDown:
            return StepSchedule(false);
    }
    return false;
}

void OddsBrowser::GrowBetStep() {
    betStep_ += kBetStep;
    if (betStep_ > kLargestStep) betStep_ = kBetStep;
}

void OddsBrowser::SetMode(odds::OddsMode mode) {
    mode_ = mode;
    Fill(odds::kFillOdds);
}

bool OddsBrowser::StepBet(bool up) {
    // The limit test looks one $0.05 ahead; the step taken may be larger and is cut back.
    if (up) {
        if (bet_ + kBetStep > kHighestBet) return false;
        bet_ = std::min(bet_ + betStep_, kHighestBet);
    } else {
        if (bet_ - kBetStep < kLowestBet) return false;
        bet_ = std::max(bet_ - betStep_, kLowestBet);
    }
    Fill(odds::kFillWins);
    return true;
}

bool OddsBrowser::StepSpots(bool up) {
    const odds::SpotRange range = spotRange();
    if (range.fixed) return false;
    const int next = state_.PayoffSpots + (up ? 1 : -1);
    if (next < range.minimum || next > range.maximum) return false;
    state_.PayoffSpots = static_cast<std::uint8_t>(next);
    Fill(odds::kFillAll);
    return true;
}

bool OddsBrowser::StepSchedule(bool up) {
    const std::int32_t current = state_.ScheduleNumber;
    // Record 0 may name any number; stepping from the ends of the range must not wrap.
    const std::int64_t next = std::int64_t{current} + (up ? 1 : -1);
    if (next < 0 || next > kLastSchedule) return false;
    state_.ScheduleNumber = static_cast<std::int32_t>(next);
    try {
        loadSchedule_(state_, state_.ScheduleNumber);
    } catch (...) {
        // The number shown must stay that of the tables still in force.
        state_.ScheduleNumber = current;
        throw;
    }
    Fill(odds::kFillAll);
    return true;
}

void OddsBrowser::Fill(odds::FillFlags flags) {
    const odds::OddsInputs inputs{tabKind(), state_.PayoffSpots, bet_,
                                  mode_,     &state_.Payoffs,    state_.AggregateLimit};
    odds::FillOddsTable(inputs, flags, view_);
}
