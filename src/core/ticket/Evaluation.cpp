#include "core/ticket/Evaluation.h"

#include <array>

#include "core/state/RandomSource.h"
#include "core/ticket/WaySum.h"

namespace {

// Table lookups that pay nothing outside the table.
template <std::size_t N>
Money entry(const std::array<Money, N>& table, int index) {
    if (index < 0 || index >= static_cast<int>(N)) return 0;
    return table[static_cast<std::size_t>(index)];
}

template <std::size_t Rows, std::size_t Columns>
Money entry(const std::array<std::array<Money, Columns>, Rows>& table, int row, int column) {
    if (row < 0 || row >= static_cast<int>(Rows)) return 0;
    return entry(table[static_cast<std::size_t>(row)], column);
}

// The 20th ball is one of the ticket's numbers.
bool lastBallCaught(const GameState& state) {
    const std::uint8_t last = state.Drawn.back();
    return last != 0 && state.Sets[1].contains(last);
}

sounds::Request pickSound(sounds::Cue cue, RandomSource& random) {
    const auto count = static_cast<std::uint32_t>(sounds::variants(cue));
    return {cue, static_cast<int>(random.below(count))};
}

}  // namespace

long double PayoffSum(const GameState& state) {
    const PayoffTables& tables = state.Payoffs;
    const int s = state.SpotsPerSet;
    const int h = state.Sets[1].Hits;
    switch (state.Kind) {
        case TicketKind::Regular:
            return entry(tables.RegularPayoffs, s - 1, h);
        case TicketKind::AllCatches:
            return entry(tables.AllCatchesPayoffs, s - 7, h);
        case TicketKind::AllOrNothing:
            if (h == 0) return entry(tables.AllOrNothingPayoffs, s - 4, 0);
            if (h == s) return entry(tables.AllOrNothingPayoffs, s - 4, 1);
            return 0;
        case TicketKind::BetAgainst:
            return h == 0 ? entry(tables.BetAgainstPayoffs, s) : 0;
        case TicketKind::CatchAll:
            return h == s ? entry(tables.CatchAllPayoffs, s) : 0;
        case TicketKind::Forty:
            return entry(tables.FortyPayoffs, h);
        case TicketKind::FortyForty:
            return entry(tables.FortyFortyPayoffs, h);
        case TicketKind::LastBallDrawn:
            if (h == s && lastBallCaught(state)) return entry(tables.LastBallPayoffs, s - 1, s + 1);
            return entry(tables.LastBallPayoffs, s - 1, h);
        case TicketKind::SuperSpecial:
            return entry(tables.SuperSpecialPayoffs, s - 3, h);
        case TicketKind::ThirtyTwoSpot:
            return entry(tables.ThirtyTwoSpotPayoffs, h);
        case TicketKind::Way:
            return WaySum(state);
    }
    return 0;
}

Money ScaledWin(long double sum, Money pricePerWay, Money aggregateLimit) {
    // A way ticket's sum may pass the range of Money before it is scaled.
    const Money win = money::fromUnits(sum * static_cast<long double>(pricePerWay) / 10000.0L);
    return aggregateLimit < win ? aggregateLimit : win;
}

QString ResultText(Money gameWin) {
    if (gameWin > 0) return QStringLiteral("YOU WON ") + money::currency(gameWin);
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
    state.Balance = money::saturatingAdd(state.Balance, state.GameWin);
    GameResult result;
    result.centreText = ResultText(state.GameWin);
    result.balanceCaption = BalanceCaption(state.Balance);
    result.sound = ResultSound(state.GameWin, state.PricePerGame, state.SoundsOn, random);
    return result;
}
