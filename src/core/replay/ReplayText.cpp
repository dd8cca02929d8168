#include "core/replay/ReplayText.h"

#include <algorithm>
#include <span>

#include "core/records/RecordFile.h"
#include "core/state/GameState.h"
#include "core/state/TicketKind.h"
#include "core/ticket/KindTable.h"
#include "core/ticket/WaySum.h"

namespace replay {

namespace {

constexpr int kSlots = TicketSet::kSlots;

// How the record's kind and code are written.
enum class Wording { None, Spot, QuickPick, LastBall, Region, TwoRegions, Way };

// The row of the kind table a recorded kind and code are told as. A code the
// table does not know is told as the kind's last row (a regular ticket with
// any code as a quick pick, Forty Forty as Left And Right, Thirty-Two Spot as
// Inside), unless its kind tells no other code (Forty).
const kinds::KindRule* ToldAs(std::uint8_t kind, const QString& code) {
    const auto ticketKind = static_cast<TicketKind>(kind);
    if (const kinds::KindRule* rule = kinds::Find(ticketKind, code)) return rule;
    const kinds::KindPayoff* payoff = kinds::PayoffOf(ticketKind);
    if (!payoff || !payoff->tellsOtherCodes) return nullptr;
    const kinds::KindRule* last = nullptr;
    for (const kinds::KindRule& rule : kinds::Rules())
        if (rule.kind == ticketKind) last = &rule;
    return last;
}

Wording WordingOf(const kinds::KindRule* rule) {
    if (!rule) return Wording::None;
    const kinds::PayRule payRule = kinds::PayoffOf(rule->kind)->payRule;
    if (payRule == kinds::PayRule::Ways) return Wording::Way;
    if (*rule->otherWhere) return Wording::TwoRegions;
    if (*rule->where) return Wording::Region;
    if (rule->picksAtPlay) return Wording::QuickPick;
    if (payRule == kinds::PayRule::LastBall) return Wording::LastBall;
    return Wording::Spot;
}

// " Spot Ticket", " Spot All Catches Ticket": a marked ticket's kind after its spot count.
QString SpotTicketWords(const kinds::KindRule& rule) {
    return *rule.name ? QStringLiteral(" Spot %1 Ticket").arg(QLatin1String(rule.name))
                      : QStringLiteral(" Spot Ticket");
}

QString number(int n) { return QString::number(n); }

QString joined(std::span<const std::uint8_t> numbers) {
    QStringList parts;
    for (const std::uint8_t n : numbers) parts << number(n);
    return parts.join(QStringLiteral(", "));
}

// The first `count` numbers of a set (at most 20), in ascending order.
std::vector<std::uint8_t> sortedNumbers(const TicketSet& set, int count) {
    std::vector<std::uint8_t> numbers(set.Numbers.begin(),
                                      set.Numbers.begin() + std::clamp(count, 0, kSlots));
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

void writeDrawnBalls(const GameRecord& record, QStringList& lines) {
    std::array<std::uint8_t, 20> balls = record.Drawn;
    std::sort(balls.begin(), balls.end());
    const std::span<const std::uint8_t> all(balls);
    lines << QStringLiteral("Twenty Balls Were Drawn");
    lines << QStringLiteral("    ") + joined(all.first(10)) + QLatin1Char(',');
    lines << QStringLiteral("    ") + joined(all.last(10));
}

// Set 1's first S numbers, or only its first number when S is 0 or 1.
QString markedList(const GameRecord& record) {
    const int s = record.PayoffSpots;
    return joined(sortedNumbers(record.Sets[1], std::max(s, 1)));
}

void writeOpening(const GameRecord& record, const QString& ticketLine, QStringList& lines) {
    lines << QStringLiteral("You Won ") + money::Currency(record.GameWin);
    lines << ticketLine;
    lines << QStringLiteral("This Ticket Cost ") + money::Currency(record.PricePerWay);
    writeDrawnBalls(record, lines);
}

void writeSpotTicket(const GameRecord& record, const kinds::KindRule& rule, Wording wording,
                     QStringList& lines) {
    const int s = record.PayoffSpots;
    const int h = record.Sets[1].Hits;
    const std::uint8_t lastBall = record.Drawn.back();  // before the draw is sorted
    writeOpening(record, QStringLiteral("Playing This ") + number(s) + SpotTicketWords(rule),
                 lines);
    if (wording == Wording::LastBall)
        lines << QStringLiteral("The Last Ball Drawn Was ") + number(lastBall);
    lines << (wording == Wording::QuickPick ? QStringLiteral("The Randomly Marked Numbers Were ")
                                            : QStringLiteral("You Marked "));
    lines << QStringLiteral("    ") + markedList(record);
    lines << QStringLiteral("You Hit ") + number(h) + QStringLiteral(" Out Of  ") + number(s);
    if (wording == Wording::LastBall && h == record.SpotsPerSet && lastBall != 0 &&
        record.Sets[1].contains(lastBall))
        lines << QStringLiteral("And You Hit The Last Ball Drawn");
}

void writeRegionTicket(const GameRecord& record, const kinds::KindRule& rule, QStringList& lines) {
    const int h = record.Sets[1].Hits;
    writeOpening(record, QStringLiteral("Playing This %1 Ticket").arg(QLatin1String(rule.name)),
                 lines);
    lines << QStringLiteral("You Hit ") + number(h) + QLatin1Char(' ') + QLatin1String(rule.where);
    if (*rule.otherWhere)
        lines << QStringLiteral("And ") + number(20 - h) + QLatin1Char(' ') +
                     QLatin1String(rule.otherWhere);
}

void writeWayTicket(const GameRecord& record, const PayoffTables& payoffs, QStringList& lines) {
    const Money price = record.PricePerWay;
    const int m = record.SpotsPerSet;
    const int groups = std::min<int>(record.CompletedSets, kSetCount);
    lines << QStringLiteral("You Won ") + money::Currency(record.GameWin);
    lines << QStringLiteral("Playing This Way Ticket");
    lines << QStringLiteral("Price Per Way ") + money::Currency(price);
    lines << QStringLiteral("Price Per Game ") + money::Currency(money::Times(record.Ways, price));
    writeDrawnBalls(record, lines);

    std::array<std::uint8_t, kSetCount> hits{};
    for (int g = 1; g <= groups; ++g) {
        const TicketSet& set = record.Sets[static_cast<std::size_t>(g)];
        hits[static_cast<std::size_t>(g - 1)] = set.Hits;
        lines << QStringLiteral("In Set ") + number(g) + QStringLiteral(" You Marked ") +
                     joined(sortedNumbers(set, m));
    }
    const WayTally tally =
        TallyWays(std::span<const std::uint8_t>(hits.data(), static_cast<std::size_t>(groups)), m);

    const auto& table = payoffs.RegularPayoffs;
    for (int k = 1; k <= WayTally::kMaxGroupsPerWay; ++k) {
        const std::int32_t ways = record.WayCounts[static_cast<std::size_t>(k - 1)];
        if (ways <= 0) continue;
        const int spots = k * m;
        lines << QStringLiteral("You Bet On ") + number(ways) +
                     (ways < 2 ? QStringLiteral(" Group Of  ") : QStringLiteral(" Groups Of  ")) +
                     number(spots);
        // A sound record never bets past 15 spots; a damaged one stops at the
        // payoff table's last catch column.
        const bool inTable = spots >= 1 && spots <= static_cast<int>(table.size());
        for (int h = 0; h <= std::min(spots, WayTally::kMaxHits); ++h) {
            const std::uint64_t times = tally.count(k, h);
            const Money entry =
                inTable ? table[static_cast<std::size_t>(spots - 1)][static_cast<std::size_t>(h)]
                        : 0;
            const Money each = money::Scale(entry, price);
            lines << QStringLiteral("    ") + QString::number(times) +
                         QStringLiteral(" Times You Hit ") + number(h) +
                         QStringLiteral(" Out Of  ") + number(spots);
            lines << QStringLiteral("        Each Paying ") + money::Currency(each) +
                         QStringLiteral(" For A Subtotal Of  ") +
                         money::Currency(money::Times(static_cast<std::int64_t>(times), each));
        }
    }
}

}  // namespace

QString Caption(int gameIndex) { return QStringLiteral("Game #") + GameNumberText(gameIndex); }

int PreviousGame(int gameIndex) { return gameIndex <= 0 ? kHistorySlots - 1 : gameIndex - 1; }

int NextGame(int gameIndex) { return gameIndex >= kHistorySlots - 1 ? 0 : gameIndex + 1; }

QStringList Lines(const GameRecord& record, const PayoffTables& payoffs) {
    QStringList lines;
    const kinds::KindRule* rule = ToldAs(record.TicketKind, record.KindCode);
    const Wording wording = WordingOf(rule);
    switch (wording) {
        case Wording::None:
            break;
        case Wording::Spot:
        case Wording::QuickPick:
        case Wording::LastBall:
            writeSpotTicket(record, *rule, wording, lines);
            break;
        case Wording::Region:
        case Wording::TwoRegions:
            writeRegionTicket(record, *rule, lines);
            break;
        case Wording::Way:
            writeWayTicket(record, payoffs, lines);
            break;
    }
    return lines;
}

std::optional<GameRecord> ReadGame(const QString& path, int gameIndex) {
    if (!RecordFile::exists(path)) return std::nullopt;
    RecordFile file(path, kGameRecordSize, RecordFile::Mode::Read);
    return DecodeGameRecord(file.read(static_cast<std::int64_t>(gameIndex) + 1));
}

}  // namespace replay
