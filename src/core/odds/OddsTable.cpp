#include "core/odds/OddsTable.h"

#include <algorithm>
#include <limits>

#include "core/odds/NumberPicture.h"
#include "core/odds/OddsMath.h"
#include "core/ticket/KindTable.h"

namespace odds {

namespace {

const QString kOneInPicture = QStringLiteral("#,##.0000");
const QString kRowPercentPicture = QStringLiteral("##0.00000000000000000");
const QString kChancePercentPicture = QStringLiteral("##0.000000");
// 1/p of a 20-spot catching all 20 is C(80, 20); this row shows it on 15
// significant digits, a fixed text.
const QString kTwentyOfTwentyOdds = QStringLiteral("1 in 3,535,316,142,212,170,000.0000");

// The kind of the tab a kind is shown on (a way ticket: the regular one).
const kinds::KindPayoff& PayoffOfTab(TicketKind tab) {
    return *kinds::PayoffOf(kinds::TabKind(kinds::TabOf(tab)));
}

// The extra Last Ball Drawn row: every spot caught, one of them the 20th ball.
bool IsLastBallRow(TicketKind tab, int spots, int row) {
    return PayoffOfTab(tab).payRule == kinds::PayRule::LastBall && row == spots + 1;
}

int LastRow(TicketKind tab, int spots) {
    if (SpotRangeOf(tab).fixed) return kOddsRows - 1;
    if (PayoffOfTab(tab).payRule == kinds::PayRule::LastBall) return spots + 1;
    return spots;
}

int MarkedNumbers(TicketKind tab, int spots) {
    const SpotRange range = SpotRangeOf(tab);
    return range.fixed ? range.minimum : spots;
}

long double RowProbability(TicketKind tab, int spots, int row) {
    if (IsLastBallRow(tab, spots, row)) {
        // All caught and one of them the 20th ball: 1/(n+1) of the ways the
        // factorials give for n+1 catches, times n+1, times 1/80.
        return CatchProbability(spots, spots + 1) * static_cast<long double>(spots + 1) * 0.0125L;
    }
    return CatchProbability(MarkedNumbers(tab, spots), row);
}

struct RowPayoff {
    Money entry = 0;
    bool pays = false;
};

// A row pays when the kind table pays its outcome, and, for the kinds whose
// window tests it, when its entry is above 0.
RowPayoff PayoffOf(TicketKind tab, int spots, int row, const PayoffTables& tables) {
    const kinds::KindPayoff& payoff = PayoffOfTab(tab);
    const bool lastBall = IsLastBallRow(tab, spots, row);
    const int catches = lastBall ? spots : row;
    const std::optional<int> index = kinds::PaidEntry(payoff, spots, catches, lastBall);
    const std::span<const Money> entries = kinds::PayoffRow(tables, payoff.kind, spots);
    if (!index || *index >= static_cast<int>(entries.size())) return {};
    const Money entry = entries[static_cast<std::size_t>(*index)];
    return {entry, !payoff.oddsTestEntry || entry > 0};
}

// The two kinds with a single paying row take its value rather than adding it.
bool SetsTotals(TicketKind tab) {
    const kinds::PayRule rule = PayoffOfTab(tab).payRule;
    return rule == kinds::PayRule::NoneOnly || rule == kinds::PayRule::AllOnly;
}

QString CatchLabel(TicketKind tab, int spots, int row) {
    if (IsLastBallRow(tab, spots, row)) {
        return QString::number(spots) + QStringLiteral("+LBD");
    }
    return QString::number(row);
}

QString RowOddsText(TicketKind tab, OddsMode mode, int spots, int row, long double probability,
                    NumberSeparators separators) {
    if (mode == OddsMode::Percent) {
        return FormatNumber(probability * 100.0L, kRowPercentPicture, separators) +
               QLatin1Char('%');
    }
    if (MarkedNumbers(tab, spots) == 20 && row == 20) return kTwentyOfTwentyOdds;
    return QStringLiteral("1 in ") + FormatNumber(1.0L / probability, kOneInPicture, separators);
}

// Dollars in the currency format: whole cents, halves away from zero, on 15
// significant digits.
QString DollarsText(long double dollars) {
    constexpr auto kMaxCents = std::numeric_limits<Money>::max() / money::kCent;
    const auto cents = std::clamp(RoundToScaled(dollars, 2, 15), -kMaxCents, kMaxCents);
    return money::Currency(cents * money::kCent);
}

}  // namespace

SpotRange SpotRangeOf(TicketKind tab) {
    const kinds::KindPayoff& payoff = PayoffOfTab(tab);
    if (payoff.catchRule != kinds::CatchRule::MarkedSets) {
        const int marked = kinds::RegionSize(payoff.kind);
        return {marked, marked, true};
    }
    return {payoff.spots.low, payoff.spots.high, false};
}

int SpotsForTab(TicketKind tab, int spots) {
    const SpotRange range = SpotRangeOf(tab);
    if (range.fixed) return spots;
    return spots < range.minimum || spots > range.maximum ? range.minimum : spots;
}

QString NeverText() { return QStringLiteral("Never"); }

QString ChanceText(OddsMode mode, long double chance, NumberSeparators separators) {
    if (mode == OddsMode::Percent) {
        return FormatNumber(chance * 100.0L, kChancePercentPicture, separators) + QLatin1Char('%');
    }
    if (!(chance > 0.0L)) return NeverText();
    return QStringLiteral("1 in ") + FormatNumber(1.0L / chance, kOneInPicture, separators);
}

void FillOddsTable(const OddsInputs& inputs, FillFlags flags, OddsView& view) {
    static const PayoffTables kNoPayoffs{};
    const PayoffTables& tables = inputs.tables ? *inputs.tables : kNoPayoffs;
    const TicketKind tab = PayoffOfTab(inputs.tab).kind;
    // The fixed kinds never index by spot count; the others are held in range
    // so a stray count cannot reach outside the tables.
    const int spots = SpotRangeOf(tab).fixed ? 0 : SpotsForTab(tab, inputs.spots);
    const int lastRow = LastRow(tab, spots);
    const NumberSeparators separators = SystemNumberSeparators();

    long double expected = 0.0L;
    long double chance = 0.0L;
    for (int row = 0; row < kOddsRows; ++row) {
        OddsRow& shown = view.rows[static_cast<std::size_t>(row)];
        if (row > lastRow) {
            if (flags.repaintCatches) shown.catchLabel.clear();
            if (flags.computeWins) shown.winText.clear();
            if (flags.computeOdds) shown.oddsText.clear();
            continue;
        }
        if (flags.repaintCatches) shown.catchLabel = CatchLabel(tab, spots, row);
        if (!flags.computeWins && !flags.computeOdds) continue;

        const long double probability = RowProbability(tab, spots, row);
        const RowPayoff payoff = PayoffOf(tab, spots, row, tables);
        if (flags.computeWins) {
            Money win = 0;
            Money forExpectation = 0;
            if (payoff.pays) {
                win = money::Scale(payoff.entry, inputs.bet);
                forExpectation = win;
                if (inputs.aggregateLimit < win) win = inputs.aggregateLimit;
                // Some kinds' return is figured on what the table pays.
                if (!PayoffOfTab(tab).returnOfEntry) forExpectation = win;
                const long double weighted = probability * static_cast<long double>(forExpectation);
                expected = SetsTotals(tab) ? weighted * 0.0001L
                                           : (weighted + expected * 10000.0L) * 0.0001L;
            }
            shown.winText = money::Currency(win);
        }
        if (flags.computeOdds) {
            if (payoff.pays) chance = SetsTotals(tab) ? probability : chance + probability;
            shown.oddsText = RowOddsText(tab, inputs.mode, spots, row, probability, separators);
        }
    }
    if (flags.computeWins) {
        view.expectedDollars = expected;
        view.expectedReturn = DollarsText(expected);
    }
    if (flags.computeOdds) {
        view.chance = chance;
        view.neverWins = !(chance > 0.0L);
        view.chanceOfWinning = ChanceText(inputs.mode, chance, separators);
    }
}

}  // namespace odds
