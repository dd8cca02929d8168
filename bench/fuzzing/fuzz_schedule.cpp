// A schedule record of any bytes, then every lookup a game or the odds window
// makes from it: each kind's evaluation (way sums included) and the odds
// tables, with spot counts, catches and bets taken from the input too.
#include <cstdint>

#include "FuzzInput.h"
#include "core/odds/OddsBrowser.h"
#include "core/odds/OddsTable.h"
#include "core/records/ScheduleFile.h"
#include "core/schedules/ReturnToPlayer.h"
#include "core/state/GameState.h"
#include "core/state/RandomSource.h"
#include "core/ticket/Evaluation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const PayoffSchedule schedule = DecodeSchedule(input.bytes(kScheduleRecordSize));

    GameState state;
    state.Payoffs = schedule.Tables;
    state.AggregateLimit = schedule.AggregateLimit;
    state.ScheduleNumber = schedule.ScheduleNumber;
    state.Kind = static_cast<TicketKind>(input.byte() % 11);
    state.KindCode = QString::fromLatin1(input.byte() % 2 ? "QP" : "");
    state.SpotsPerSet = input.byte();
    state.CompletedSets = input.byte() % 81;
    for (std::size_t k = 0; k < state.WayCounts.size(); ++k)
        state.WayCounts[k] = input.byte() % 4 == 0 ? static_cast<std::int32_t>(input.int64()) : 0;
    for (int g = 1; g <= kSetCount; ++g)
        state.Sets[static_cast<std::size_t>(g)].Hits = input.byte();
    state.Sets[1].Numbers[0] = input.byte();
    state.Drawn.back() = input.byte();
    state.PricePerWay = input.int64();
    state.PricePerGame = input.int64();
    state.Balance = input.int64();
    state.SoundsOn = input.byte() % 2;
    RandomSource random([] { return 0u; });
    EvaluateGame(state, random);

    const TicketKind tab = kinds::TabKind(input.byte() % kinds::TabCount());
    const int spots = odds::SpotsForTab(tab, input.byte() % 21);
    odds::OddsView view;
    odds::FillOddsTable({tab, spots, input.int64(),
                         input.byte() % 2 ? odds::OddsMode::Percent : odds::OddsMode::OneIn,
                         &state.Payoffs, state.AggregateLimit},
                        odds::kFillAll, view);
    ReturnToPlayer(state.Payoffs, tab, spots);

    OddsBrowser browser(state, [](ScheduleInForce&, int) {});
    browser.selectTab(input.byte() % 12);
    constexpr OddsArrow kArrows[] = {OddsArrow::BetUp,    OddsArrow::BetDown,
                                     OddsArrow::SpotUp,   OddsArrow::SpotDown,
                                     OddsArrow::CasinoUp, OddsArrow::CasinoDown};
    for (int i = 0; i < 8 && input.left() > 0; ++i) browser.stepArrow(kArrows[input.byte() % 6]);
    return 0;
}
