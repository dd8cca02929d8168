#pragma once

#include <QString>
#include <array>

#include "core/odds/NumberPicture.h"
#include "core/state/Money.h"
#include "core/state/PayoffTables.h"
#include "core/state/TicketKind.h"

// The payoffs-and-odds table of one ticket kind at one spot count and bet:
// what each catch pays, how likely it is, the chance of winning anything and
// the expected return of one game.
namespace odds {

constexpr int kOddsRows = 21;  // catches 0..20

enum class OddsMode { OneIn, Percent };

// Spot counts a tab offers. The fixed kinds (Forty, Forty Forty, Thirty Two
// Spot) mark a fixed set of numbers and hide the spot controls.
struct SpotRange {
    int minimum = 1;
    int maximum = 20;
    bool fixed = false;
};

// The spot counts of a tab's kind (its tabs are the kind table's).
SpotRange SpotRangeOf(TicketKind tab);
// A spot count outside the tab's range becomes its minimum; fixed tabs keep it.
int SpotsForTab(TicketKind tab, int spots);

struct OddsRow {
    QString catchLabel;  // "3", "3+LBD"; empty on a blank row
    QString winText;     // "$1.50"
    QString oddsText;    // "1 in 4.0000" or "25.00000000000000000%"
};

// What the window shows; FillOddsTable updates only the parts its flags name.
struct OddsView {
    std::array<OddsRow, kOddsRows> rows;
    QString chanceOfWinning;
    QString expectedReturn;
    long double chance = 0.0L;           // W, a probability
    long double expectedDollars = 0.0L;  // E, in dollars
    // No row pays, so the one-in chance has no finite value ("Never").
    bool neverWins = false;
};

struct OddsInputs {
    TicketKind tab = TicketKind::Regular;
    int spots = 1;
    Money bet = money::kOneDollar;
    OddsMode mode = OddsMode::OneIn;
    const PayoffTables* tables = nullptr;
    Money aggregateLimit = 0;
};

struct FillFlags {
    bool repaintCatches = true;  // catch-number column
    bool computeWins = true;     // win column and expected return
    bool computeOdds = true;     // odds column and chance of winning
};

constexpr FillFlags kFillAll{true, true, true};
constexpr FillFlags kFillWins{false, true, false};
constexpr FillFlags kFillOdds{false, false, true};

// Shown as the chance of winning when no row pays.
QString NeverText();

// The chance of winning as the window writes it: "1 in 2.0101" (or "Never"
// for 0), or "49.748756%" in percent mode.
QString ChanceText(OddsMode mode, long double chance, NumberSeparators separators);

void FillOddsTable(const OddsInputs& inputs, FillFlags flags, OddsView& view);

}  // namespace odds
