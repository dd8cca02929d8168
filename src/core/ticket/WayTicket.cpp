#include "core/ticket/WayTicket.h"

#include <algorithm>
#include <limits>

#include "core/state/AggregateLimit.h"
#include "core/state/Board.h"
#include "core/state/GameState.h"

namespace way {

WayCountArray CountWays(int completedGroups) {
    // Pascal's triangle one group at a time, in 64 bits and held at the cap,
    // so that any number of groups stays exact below the cap and never overflows.
    std::array<std::int64_t, kRows + 1> choose{};
    choose[0] = 1;
    const int groups = std::clamp(completedGroups, 0, kSetCount);
    for (int g = 1; g <= groups; ++g)
        for (int k = std::min(g, kRows); k >= 1; --k) {
            auto& sum = choose[static_cast<std::size_t>(k)];
            if (sum < kCountCap)
                sum = std::min<std::int64_t>(sum + choose[static_cast<std::size_t>(k - 1)],
                                             kCountCap);
        }
    WayCountArray counts{};
    for (int k = 1; k <= kRows; ++k)
        counts[static_cast<std::size_t>(k - 1)] =
            static_cast<std::int32_t>(choose[static_cast<std::size_t>(k)]);
    return counts;
}

bool RowOffered(int k, std::int32_t ways, int spotsPerSet) {
    if (k < 1 || k > kRows || spotsPerSet < 1 || ways < 1) return false;
    if (k * spotsPerSet > kMostSpotsPerWay) return false;
    return ways < (k == 1 ? kCountCap : kOfferLimit);
}

QString RowText(std::int32_t ways, int spots) {
    return QString::number(ways) + QStringLiteral(" / ") + QString::number(spots);
}

QString WaySummary(const WayCountArray& betWays, int spotsPerSet) {
    QString summary;
    for (int k = 1; k <= kRows; ++k) {
        const std::int32_t ways = betWays[static_cast<std::size_t>(k - 1)];
        if (ways <= 0) continue;
        summary += QStringLiteral("  ") + QString::number(ways) + QLatin1Char('/') +
                   QString::number(k * spotsPerSet) + QStringLiteral("  ");
    }
    return summary;
}

}  // namespace way

bool WayTicket::canChoose() const {
    return state_.Kind == TicketKind::Regular && state_.KindCode.isEmpty() &&
           state_.CurrentSet == 1 && state_.SpotsMarked >= 1 &&
           state_.SpotsMarked <= way::kLargestGroup;
}

std::vector<int> WayTicket::choose() {
    if (!canChoose()) return {};
    clear();
    state_.Kind = TicketKind::Way;
    state_.Ways = 0;
    state_.TotalPrice = 0;
    state_.PricePerGame = 0;
    state_.SpotsPerSet = state_.SpotsMarked;
    return completeGroup().lockedNumbers;
}

WayGroupDone WayTicket::completeGroup() {
    WayGroupDone done;
    const int s = state_.SpotsPerSet;
    const int group = state_.CurrentSet;
    if (state_.Kind != TicketKind::Way || s < 1 || s > way::kLargestGroup ||
        state_.SpotsMarked != s || group < 1 || group > kSetCount)
        return done;
    showCounts(group);
    const TicketSet& set = state_.Sets[static_cast<std::size_t>(group)];
    for (int slot = 1; slot <= s; ++slot) done.lockedNumbers.push_back(set.number(slot));
    state_.CompletedSets = static_cast<std::uint8_t>(group);
    state_.CurrentSet = static_cast<std::uint8_t>(group + 1);
    state_.SpotsMarked = 0;
    done.boardClosed = !groupFits();
    return done;
}

WayRowClickResult WayTicket::clickRow(int k) {
    WayRowClickResult result;
    result.boardEnabled = state_.Ways == 0 && groupFits();
    if (k < 1 || k > way::kRows || state_.Kind != TicketKind::Way) return result;
    // A half-built group must be finished or emptied before betting.
    if (state_.SpotsMarked != 0 || rows_[index(k)] == WayRowState::Hidden) return result;

    const std::int32_t ways = counts_[index(k)];
    if (rows_[index(k)] == WayRowState::Offered) {
        if (!AggregateAllows(state_.AggregateLimit, state_.PricePerWay,
                             static_cast<std::int64_t>(state_.Ways) + ways)) {
            result.outcome = WayRowClickResult::Outcome::RefusedByLimit;
            return result;
        }
        rows_[index(k)] = WayRowState::Bet;
        result.outcome = WayRowClickResult::Outcome::Bet;
        if (state_.SoundsOn) result.sound = sounds::Request{sounds::Cue::Mark};
    } else {
        rows_[index(k)] = WayRowState::Offered;
        result.outcome = WayRowClickResult::Outcome::Unbet;
        if (state_.SoundsOn) result.sound = sounds::Request{sounds::Cue::Unmark};
    }
    std::int64_t total = 0;
    for (const std::int32_t bet : betWays()) total += bet;
    // Counted rows stay far below 2^31; restored ones may not, and a wrapped
    // total would be a negative price.
    state_.Ways = static_cast<std::int32_t>(
        std::min<std::int64_t>(total, std::numeric_limits<std::int32_t>::max()));
    result.totals = bet::UpdateTotals(state_);
    // No more groups while ways are bet; with none bet, only if a whole group fits.
    result.boardEnabled = state_.Ways == 0 && groupFits();
    return result;
}

void WayTicket::handOverAtPlay() {
    // An unbet row is cleared too, so no stale count is ever paid.
    counts_ = betWays();
    copyBetRowsToWayCounts();
}

void WayTicket::copyBetRowsToWayCounts() {
    // Every row not bet counts 0: a row unbet since an earlier save or PLAY
    // must not stay in the ticket's counts.
    state_.WayCounts = betWays();
}

void WayTicket::restoreRows() {
    for (int k = 1; k <= way::kRows; ++k) {
        const std::int32_t saved = state_.WayCounts[index(k)];
        counts_[index(k)] = std::max(saved, 0);
        rows_[index(k)] = saved > 0 ? WayRowState::Bet : WayRowState::Hidden;
    }
}

void WayTicket::clear() {
    counts_.fill(0);
    rows_.fill(WayRowState::Hidden);
}

WayRowState WayTicket::rowState(int k) const {
    return k >= 1 && k <= way::kRows ? rows_[index(k)] : WayRowState::Hidden;
}

std::int32_t WayTicket::rowWays(int k) const {
    return k >= 1 && k <= way::kRows ? counts_[index(k)] : 0;
}

int WayTicket::rowSpots(int k) const { return k * state_.SpotsPerSet; }

QString WayTicket::rowText(int k) const { return way::RowText(rowWays(k), rowSpots(k)); }

QString WayTicket::summary() const { return way::WaySummary(betWays(), state_.SpotsPerSet); }

bool WayTicket::groupFits() const {
    return state_.SpotsPerSet >= 1 && state_.CurrentSet * state_.SpotsPerSet <= board::kNumbers;
}

void WayTicket::showCounts(int completedGroups) {
    counts_ = way::CountWays(completedGroups);
    for (int k = 1; k <= way::kRows; ++k) {
        WayRowState& row = rows_[index(k)];
        if (!way::RowOffered(k, counts_[index(k)], state_.SpotsPerSet))
            row = WayRowState::Hidden;
        else if (row != WayRowState::Bet)
            row = WayRowState::Offered;
    }
}

way::WayCountArray WayTicket::betWays() const {
    way::WayCountArray bet{};
    for (int k = 1; k <= way::kRows; ++k)
        if (rows_[index(k)] == WayRowState::Bet) bet[index(k)] = counts_[index(k)];
    return bet;
}
