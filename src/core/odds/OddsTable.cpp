#include "core/odds/OddsTable.h"

#include <algorithm>
#include <limits>

#include "core/odds/NumberPicture.h"
#include "core/odds/OddsMath.h"

namespace odds {

namespace {

const QString kOneInPicture = QStringLiteral("#,##.0000");
const QString kRowPercentPicture = QStringLiteral("##0.00000000000000000");
const QString kChancePercentPicture = QStringLiteral("##0.000000");
// 1/p of a 20-spot catching all 20 is C(80, 20); the table has always shown it
// with 15 significant digits.
const QString kTwentyOfTwentyOdds = QStringLiteral("1 in 3,535,316,142,212,170,000.0000");

bool IsFixedKind(TicketKind tab) {
    return tab == TicketKind::Forty || tab == TicketKind::FortyForty ||
           tab == TicketKind::ThirtyTwoSpot;
}

int LastRow(TicketKind tab, int spots) {
    if (IsFixedKind(tab)) return kOddsRows - 1;
    if (tab == TicketKind::LastBallDrawn) return spots + 1;
    return spots;
}

int MarkedNumbers(TicketKind tab, int spots) {
    switch (tab) {
        case TicketKind::Forty:
        case TicketKind::FortyForty:
            return 40;
        case TicketKind::ThirtyTwoSpot:
            return 32;
        default:
            return spots;
    }
}

long double RowProbability(TicketKind tab, int spots, int row) {
    if (tab == TicketKind::LastBallDrawn && row == spots + 1) {
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

RowPayoff PayoffOf(TicketKind tab, int spots, int row, const PayoffTables& tables) {
    const auto s = static_cast<std::size_t>(spots);
    const auto c = static_cast<std::size_t>(row);
    const auto positive = [](Money entry) { return RowPayoff{entry, entry > 0}; };
    switch (tab) {
        case TicketKind::AllCatches:
            return {tables.AllCatchesPayoffs[s - 7][c], true};
        case TicketKind::AllOrNothing:
            if (row == 0) return {tables.AllOrNothingPayoffs[s - 4][0], true};
            if (row == spots) return {tables.AllOrNothingPayoffs[s - 4][1], true};
            return {};
        case TicketKind::BetAgainst:
            return row == 0 ? RowPayoff{tables.BetAgainstPayoffs[s], true} : RowPayoff{};
        case TicketKind::CatchAll:
            return row == spots ? RowPayoff{tables.CatchAllPayoffs[s], true} : RowPayoff{};
        case TicketKind::Forty:
            return {tables.FortyPayoffs[c], row >= 11};
        case TicketKind::FortyForty:
            return {tables.FortyFortyPayoffs[c], row <= 7 || row >= 13};
        case TicketKind::LastBallDrawn:
            return positive(tables.LastBallPayoffs[s - 1][c]);
        case TicketKind::SuperSpecial:
            return positive(tables.SuperSpecialPayoffs[s - 3][c]);
        case TicketKind::ThirtyTwoSpot:
            return positive(tables.ThirtyTwoSpotPayoffs[c]);
        default:
            return positive(tables.RegularPayoffs[s - 1][c]);
    }
}

// The two kinds with a single paying row take its value rather than adding it.
bool SetsTotals(TicketKind tab) {
    return tab == TicketKind::BetAgainst || tab == TicketKind::CatchAll;
}

QString CatchLabel(TicketKind tab, int spots, int row) {
    if (tab == TicketKind::LastBallDrawn && row == spots + 1) {
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
    if (tab == TicketKind::Regular && spots == 20 && row == 20) return kTwentyOfTwentyOdds;
    return QStringLiteral("1 in ") + FormatNumber(1.0L / probability, kOneInPicture, separators);
}

// Dollars in the currency format: whole cents, halves away from zero, on 15
// significant digits.
QString DollarsText(long double dollars) {
    constexpr auto kMaxCents = std::numeric_limits<Money>::max() / money::kCent;
    const auto cents = std::clamp(RoundToScaled(dollars, 2, 15), -kMaxCents, kMaxCents);
    return money::currency(cents * money::kCent);
}

}  // namespace

TicketKind TabKind(int tab) {
    if (tab < 0 || tab >= kOddsTabs) return TicketKind::Regular;
    return static_cast<TicketKind>(tab);
}

SpotRange SpotRangeOf(TicketKind tab) {
    switch (tab) {
        case TicketKind::AllCatches:
            return {7, 10, false};
        case TicketKind::AllOrNothing:
            return {4, 8, false};
        case TicketKind::BetAgainst:
            return {8, 15, false};
        case TicketKind::CatchAll:
            return {2, 7, false};
        case TicketKind::Forty:
        case TicketKind::FortyForty:
            return {40, 40, true};
        case TicketKind::LastBallDrawn:
            return {1, 6, false};
        case TicketKind::SuperSpecial:
            return {3, 10, false};
        case TicketKind::ThirtyTwoSpot:
            return {32, 32, true};
        default:
            return {1, 20, false};
    }
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
    const TicketKind tab = TabKind(static_cast<int>(kindByte(inputs.tab)));
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
                win = money::scale(payoff.entry, inputs.bet);
                forExpectation = win;
                if (inputs.aggregateLimit < win) win = inputs.aggregateLimit;
                // All Or Nothing's return is figured on what the table pays.
                if (tab != TicketKind::AllOrNothing) forExpectation = win;
                const long double weighted = probability * static_cast<long double>(forExpectation);
                expected = SetsTotals(tab) ? weighted * 0.0001L
                                           : (weighted + expected * 10000.0L) * 0.0001L;
            }
            shown.winText = money::currency(win);
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
