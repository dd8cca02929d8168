// Whether a saved ticket can go on the board: a record written by this game
// always passes; a damaged or foreign one is refused before it touches the
// game state, so it can neither paint outside the board nor mark a cell twice.
#include <set>

#include "core/state/Board.h"
#include "core/ticket/BetControls.h"
#include "core/ticket/TicketKinds.h"
#include "core/ticket/WayTicket.h"
#include "core/tickets/SavedTicket.h"

namespace {

using namespace ticket_offsets;

// Numbers within 1..80, none after a gap, no number twice on the ticket.
QString numbersDamage(const SavedTicket& ticket) {
    std::set<int> seen;
    for (int k = 1; k <= kSetCount; ++k) {
        const TicketSet& set = ticket.Sets[static_cast<std::size_t>(k)];
        bool ended = false;
        for (const std::uint8_t n : set.Numbers) {
            if (n > board::kNumbers)
                return QStringLiteral("number %1 in set %2 is above 80").arg(n).arg(k);
            if (n == 0) {
                ended = true;
                continue;
            }
            if (ended) return QStringLiteral("set %1 has a gap before number %2").arg(k).arg(n);
            if (!seen.insert(n).second)
                return QStringLiteral("number %1 is on the ticket twice").arg(n);
        }
    }
    return {};
}

// Sets from..80 must be empty.
QString setsEmptyFrom(const SavedTicket& ticket, int from) {
    for (int k = std::max(from, 1); k <= kSetCount; ++k)
        if (ticket.Sets[static_cast<std::size_t>(k)].count() != 0)
            return QStringLiteral("set %1 holds numbers the ticket does not use").arg(k);
    return {};
}

QString setCountDamage(const SavedTicket& ticket, int k, int expected) {
    const int held = ticket.Sets[static_cast<std::size_t>(k)].count();
    if (held == expected) return {};
    return QStringLiteral("set %1 holds %2 numbers instead of %3").arg(k).arg(held).arg(expected);
}

QString wayDamage(const SavedTicket& t) {
    const int s = t.SpotsPerSet;
    const int groups = t.CompletedSets;
    if (s < 1 || s > way::kLargestGroup)
        return QStringLiteral("a way ticket has groups of %1 numbers").arg(s);
    if (groups < 1 || groups * s > board::kNumbers)
        return QStringLiteral("a way ticket of %1 groups of %2").arg(groups).arg(s);
    if (t.CurrentSet != groups + 1)
        return QStringLiteral("the set being filled is %1 after %2 groups")
            .arg(t.CurrentSet)
            .arg(groups);
    if (t.SpotsMarked != 0)
        return QStringLiteral("a way ticket with %1 numbers of a group left open")
            .arg(t.SpotsMarked);
    for (int k = 1; k <= groups; ++k)
        if (QString damage = setCountDamage(t, k, s); !damage.isEmpty()) return damage;
    if (QString damage = setsEmptyFrom(t, groups + 1); !damage.isEmpty()) return damage;
    // Every bet row holds the ways its groups give, and Ways is their sum.
    const way::WayCountArray possible = way::CountWays(groups);
    std::int64_t sum = 0;
    for (int k = 1; k <= way::kRows; ++k) {
        const std::int32_t bet = t.WayCounts[static_cast<std::size_t>(k - 1)];
        if (bet == 0) continue;
        const std::int32_t ways = possible[static_cast<std::size_t>(k - 1)];
        if (bet != ways || !way::RowOffered(k, ways, s))
            return QStringLiteral("%1 ways of %2 groups cannot be bet").arg(bet).arg(k);
        sum += bet;
    }
    if (sum == 0) return QStringLiteral("a way ticket with no ways bet");
    if (t.Ways != sum) return QStringLiteral("%1 ways bet instead of %2").arg(t.Ways).arg(sum);
    return {};
}

// The spots each choice of the Tickets menu leaves in SpotsMarked.
bool spotsFitChoice(const TicketChoiceEntry& entry, int spots) {
    if (kinds::RuleOf(entry.choice).picksAtPlay) return spots >= 1 && spots <= bet::kMostSpots;
    const kinds::FixedNumberSets fixed = FixedNumbers(entry.choice);
    if (!fixed.first.empty()) return spots == static_cast<int>(fixed.first.size());
    return IsOffered(entry.menuItem, spots);
}

QString kindDamage(const SavedTicket& t) {
    const auto kind = static_cast<TicketKind>(t.TicketKind);
    if (kinds::PayoffOf(kind)->payRule == kinds::PayRule::Ways) {
        if (!t.KindCode.isEmpty())
            return QStringLiteral("a way ticket has the code \"%1\"").arg(t.KindCode);
        return wayDamage(t);
    }
    if (t.Ways != 1)
        return QStringLiteral("%1 ways on a ticket that is not a way ticket").arg(t.Ways);
    for (const std::int32_t bet : t.WayCounts)
        if (bet != 0) return QStringLiteral("way counts on a ticket that is not a way ticket");
    if (t.SpotsPerSet != 0 && t.SpotsPerSet != t.SpotsMarked)
        return QStringLiteral("%1 spots played of %2 marked").arg(t.SpotsPerSet).arg(t.SpotsMarked);

    const TicketChoiceEntry* entry = nullptr;
    for (const TicketChoiceEntry& candidate : TicketChoices())
        if (candidate.kind == kind && t.KindCode == QLatin1String(candidate.code))
            entry = &candidate;
    if (entry == nullptr) {
        if (kind != TicketKind::Regular || !t.KindCode.isEmpty())
            return QStringLiteral("kind %1 has no code \"%2\"").arg(t.TicketKind).arg(t.KindCode);
        if (t.SpotsMarked < 1 || t.SpotsMarked > bet::kMostSpots)
            return QStringLiteral("a ticket of %1 spots").arg(t.SpotsMarked);
        if (t.CurrentSet != 1)
            return QStringLiteral("a plain ticket filling set %1").arg(t.CurrentSet);
        if (QString damage = setCountDamage(t, 1, t.SpotsMarked); !damage.isEmpty()) return damage;
        return setsEmptyFrom(t, 2);
    }
    if (!spotsFitChoice(*entry, t.SpotsMarked))
        return QStringLiteral("\"%1\" is not played with %2 spots")
            .arg(t.KindCode)
            .arg(t.SpotsMarked);
    const kinds::FixedNumberSets fixed = FixedNumbers(entry->choice);
    if (!fixed.first.empty()) {
        if (t.CurrentSet != 2)
            return QStringLiteral("\"%1\" scanning %2 sets").arg(t.KindCode).arg(t.CurrentSet);
        for (int k = 1; k <= 2; ++k) {
            const auto& expected = k == 1 ? fixed.first : fixed.second;
            const TicketSet& set = t.Sets[static_cast<std::size_t>(k)];
            if (!std::equal(expected.begin(), expected.end(), set.Numbers.begin()))
                return QStringLiteral("set %1 is not the numbers of \"%2\"").arg(k).arg(t.KindCode);
        }
        return setsEmptyFrom(t, 3);
    }
    if (t.CurrentSet != 1)
        return QStringLiteral("\"%1\" filling set %2").arg(t.KindCode).arg(t.CurrentSet);
    // A quick pick not played yet has no numbers; once played, its picks.
    const int held = t.Sets[1].count();
    const bool unpickedQuickPick = kinds::RuleOf(entry->choice).picksAtPlay && held == 0;
    if (!unpickedQuickPick)
        if (QString damage = setCountDamage(t, 1, t.SpotsMarked); !damage.isEmpty()) return damage;
    return setsEmptyFrom(t, 2);
}

}  // namespace

QString SavedTicketDamage(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() != kTicketRecordSize)
        return QStringLiteral("a record of %1 bytes instead of 1720").arg(bytes.size());
    if (bytes[kTicketName] > kTicketNameLength)
        return QStringLiteral("its name is %1 characters long, above 30").arg(bytes[kTicketName]);
    if (bytes[kKindCode] > 2)
        return QStringLiteral("its kind code is %1 characters long, above 2").arg(bytes[kKindCode]);
    const SavedTicket t = DecodeSavedTicket(bytes);
    if (!kinds::PayoffOf(static_cast<TicketKind>(t.TicketKind)))
        return QStringLiteral("its kind %1 is above %2")
            .arg(t.TicketKind)
            .arg(kinds::HighestKind());
    if (QString damage = numbersDamage(t); !damage.isEmpty()) return damage;
    if (t.CompletedSets > kSetCount)
        return QStringLiteral("%1 completed sets, above 80").arg(t.CompletedSets);
    if (t.CurrentSet < 1 || t.CurrentSet > kSetCount + 1)
        return QStringLiteral("set %1 being filled, outside 1 to 81").arg(t.CurrentSet);
    if (t.SpotsMarked > bet::kMostSpots || t.SpotsPerSet > bet::kMostSpots ||
        t.PayoffSpots > bet::kMostSpots)
        return QStringLiteral("a spot count above 20");
    if (t.NumberOfGames < 1 || t.NumberOfGames > bet::kMostGames)
        return QStringLiteral("%1 games, outside 1 to 1000").arg(t.NumberOfGames);
    if (t.PricePerWay < bet::kLowestPrice || t.PricePerWay > bet::kHighestPrice)
        return QStringLiteral("a price per way outside $0.05 to $100.00");
    for (const std::int32_t ways : t.WayCounts)
        if (ways < 0 || ways > way::kCountCap) return QStringLiteral("a way count of %1").arg(ways);
    return kindDamage(t);
}
