#include "core/ticket/Evaluation.h"

#include "core/state/RandomSource.h"
#include "core/ticket/KindTable.h"
#include "core/ticket/WaySum.h"

namespace {

// The 20th ball is one of the ticket's numbers.
bool lastBallCaught(const GameState& state) {
    const std::uint8_t last = state.Drawn.back();
    return last != 0 && state.Sets[1].contains(last);
}

sounds::Request pickSound(sounds::Cue cue, RandomSource& random) {
    const auto count = static_cast<std::uint32_t>(sounds::Variants(cue));
    return {cue, static_cast<int>(random.below(count))};
}

}  // namespace

long double PayoffSum(const GameState& state) {
    const kinds::KindPayoff* payoff = kinds::PayoffOf(state.Kind);
    if (!payoff) return 0;
    if (payoff->payRule == kinds::PayRule::Ways) return WaySum(state);
    const int spots = state.SpotsPerSet;
    const std::optional<int> index =
        kinds::EntryIndex(*payoff, spots, state.Sets[1].Hits, lastBallCaught(state));
    const std::span<const Money> row = kinds::PayoffRow(state.Payoffs, state.Kind, spots);
    if (!index || *index >= static_cast<int>(row.size())) return 0;
    return row[static_cast<std::size_t>(*index)];
}

Money ScaledWin(long double sum, Money pricePerWay, Money aggregateLimit) {
    // A way ticket's sum may pass the range of Money before it is scaled.
    const Money win = money::FromUnits(sum * static_cast<long double>(pricePerWay) / 10000.0L);
    return aggregateLimit < win ? aggregateLimit : win;
}

QString ResultText(Money gameWin) {
    if (gameWin > 0) return QStringLiteral("YOU WON ") + money::Currency(gameWin);
    return QStringLiteral("BUST");
}

std::optional<sounds::Request> ResultSound(Money gameWin, Money pricePerGame, bool soundsOn,
                                           RandomSource& random) {
    if (!soundsOn || gameWin < 0) return std::nullopt;
    if (gameWin == 0) return pickSound(sounds::Cue::Bust, random);
    if (gameWin <= pricePerGame) return sounds::Request{sounds::Cue::SmallWin};
    return pickSound(sounds::Cue::BigWin, random);
}

GameResult EvaluateGame(GameState& state, RandomSource& random) {
    state.GameWin = ScaledWin(PayoffSum(state), state.PricePerWay, state.AggregateLimit);
    state.Balance = money::SaturatingAdd(state.Balance, state.GameWin);
    GameResult result;
    result.gameWin = state.GameWin;
    result.sound = ResultSound(state.GameWin, state.PricePerGame, state.SoundsOn, random);
    return result;
}
