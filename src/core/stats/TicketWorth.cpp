#include "core/stats/TicketWorth.h"

#include "core/schedules/ReturnToPlayer.h"
#include "core/ticket/Evaluation.h"
#include "core/ticket/KindTable.h"

namespace stats {

WinSpread TicketWorth::of(const GameRecord& record) {
    const auto kind = static_cast<TicketKind>(record.TicketKind);
    if (kind == TicketKind::Way) return ofWayTicket(record);
    const int spots = record.SpotsPerSet;
    const std::span<const Money> row = kinds::PayoffRow(tables_, kind, spots);
    if (row.empty()) return {};
    // Each outcome with an entry pays it; every other outcome pays nothing.
    struct Paid {
        long double probability;
        long double win;
    };
    std::vector<Paid> paid;
    long double mean = 0.0L;
    long double paying = 0.0L;
    for (const PayoffOutcome& outcome : ReachableOutcomes(kind, spots)) {
        const auto index = static_cast<std::size_t>(outcome.index);
        const Money entry = index < row.size() ? row[index] : 0;
        const long double win = ScaledWin(entry, record.PricePerWay, limit_);
        paid.push_back({outcome.probability, win});
        mean += outcome.probability * win;
        paying += outcome.probability;
    }
    long double variance = (1.0L - paying) * mean * mean;
    for (const Paid& outcome : paid)
        variance += outcome.probability * (outcome.win - mean) * (outcome.win - mean);
    return {mean, variance};
}

WinSpread TicketWorth::ofWayTicket(const GameRecord& record) {
    odds::WayTicketBet bet;
    bet.groups = record.CompletedSets;
    bet.groupSize = record.SpotsPerSet;
    bet.pricePerWay = record.PricePerWay;
    unsigned rows = 0;
    for (std::size_t k = 0; k < bet.rowBet.size(); ++k) {
        bet.rowBet[k] = record.WayCounts[k] > 0;
        if (bet.rowBet[k]) rows |= 1U << k;
    }
    const WayShape shape{bet.groupSize, bet.groups, rows};
    const auto key = std::pair(shape, bet.pricePerWay);
    if (const auto known = wayTickets_.find(key); known != wayTickets_.end()) return known->second;
    auto classes = wayClasses_.find(shape);
    if (classes == wayClasses_.end())
        classes = wayClasses_.emplace(shape, odds::WayDrawClasses(bet, tables_)).first;

    const odds::WayWorth worth = odds::WorthOfClasses(bet, classes->second, limit_);
    WinSpread spread;
    if (worth.draws > 0) {
        const auto draws = static_cast<long double>(worth.draws);
        spread.mean = static_cast<long double>(worth.winTotal) / draws;
        spread.variance = worth.winSquareTotal / draws - spread.mean * spread.mean;
        if (spread.variance < 0.0L) spread.variance = 0.0L;  // a win that never changes
    }
    return wayTickets_[key] = spread;
}

}  // namespace stats
