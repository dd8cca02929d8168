#include "core/odds/WayOdds.h"

#include <QStringList>
#include <algorithm>
#include <limits>

#include "core/odds/NumberPicture.h"
#include "core/odds/OddsTable.h"
#include "core/state/AggregateLimit.h"
#include "core/state/Board.h"
#include "core/state/GameState.h"
#include "core/ticket/Evaluation.h"
#include "core/ticket/WaySum.h"

namespace odds {

namespace {

constexpr int kBalls = board::kBallsPerGame;

// C(n, k) for n up to 80 and k up to 20, exact: the largest, C(80, 20), is
// below 2^62.
class Binomials {
  public:
    Binomials() {
        for (int n = 0; n <= board::kNumbers; ++n) {
            at(n, 0) = 1;
            for (int k = 1; k <= std::min(n, kBalls); ++k)
                at(n, k) = at(n - 1, k - 1) + at(n - 1, k);
        }
    }
    std::uint64_t operator()(int n, int k) const {
        if (n < 0 || k < 0 || k > n || n > board::kNumbers || k > kBalls) return 0;
        return table_[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }

  private:
    std::uint64_t& at(int n, int k) {
        return table_[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }
    std::array<std::array<std::uint64_t, kBalls + 1>, board::kNumbers + 1> table_{};
};

const Binomials& binomial() {
    static const Binomials kBinomials;
    return kBinomials;
}

// Walks every class of draws: how many groups catch S numbers, S-1, ..., 1,
// the rest none. A class's draws are the ways to pick which groups catch how
// many, which of their numbers are caught, and the balls that fall off the
// ticket; its way sum follows from the tally of its catches alone.
class ClassWalk {
  public:
    ClassWalk(const WayTicketBet& bet, const PayoffTables& tables, std::vector<DrawClass>& classes)
        : bet_(bet), table_(tables.RegularPayoffs), classes_(classes) {
        const way::WayCountArray counts = way::CountWays(bet.groups);
        for (int k = 1; k <= way::kRows; ++k)
            if (bet.rowBet[static_cast<std::size_t>(k - 1)])
                rows_[static_cast<std::size_t>(k - 1)] = counts[static_cast<std::size_t>(k - 1)];
        mostGroups_ = LargestBetRow(rows_);
        offTicket_ = board::kNumbers - bet.groups * bet.groupSize;
    }

    void run() {
        WayTally tally;
        tally.Choices[0][0] = 1;
        place(bet_.groupSize, bet_.groups, 0, 1, tally);
    }

  private:
    // Groups still to place catch `catches` numbers or fewer; `draws` counts
    // the ways the groups placed so far catch `caught` numbers as they do.
    void place(int catches, int groupsLeft, int caught, std::uint64_t draws,
               const WayTally& tally) {
        if (catches == 0) {
            finish(groupsLeft, caught, draws, tally);
            return;
        }
        WayTally more = tally;
        const auto perGroup = static_cast<MoneyTotal>(binomial()(bet_.groupSize, catches));
        MoneyTotal numbersCaught = 1;  // C(S, catches)^n
        for (int n = 0; n <= groupsLeft && caught + n * catches <= kBalls; ++n) {
            // A class never holds more draws than there are, so these stay below 2^62.
            const MoneyTotal classDraws =
                static_cast<MoneyTotal>(draws) * binomial()(groupsLeft, n) * numbersCaught;
            place(catches - 1, groupsLeft - n, caught + n * catches,
                  static_cast<std::uint64_t>(classDraws), more);
            more.addGroup(catches, mostGroups_);
            numbersCaught *= perGroup;
        }
    }

    void finish(int groupsLeft, int caught, std::uint64_t draws, const WayTally& tally) {
        const std::uint64_t offTicketDraws = binomial()(offTicket_, kBalls - caught);
        if (offTicketDraws == 0) return;  // too few numbers off the ticket for the rest
        WayTally all = tally;
        for (int g = 0; g < groupsLeft; ++g) all.addGroup(0, mostGroups_);
        classes_.push_back({draws * offTicketDraws, WaySum(all, table_, bet_.groupSize, rows_)});
    }

    const WayTicketBet& bet_;
    const RegularTable& table_;
    std::vector<DrawClass>& classes_;
    WayRows rows_{};
    int mostGroups_ = 0;
    int offTicket_ = 0;
};

}  // namespace

std::int64_t WaysBet(const WayTicketBet& bet) {
    const way::WayCountArray counts = way::CountWays(bet.groups);
    std::int64_t ways = 0;
    for (int k = 1; k <= way::kRows; ++k)
        if (bet.rowBet[static_cast<std::size_t>(k - 1)])
            ways += counts[static_cast<std::size_t>(k - 1)];
    return ways;
}

QString WayTicketRefusal(const WayTicketBet& bet, Money aggregateLimit) {
    const int s = bet.groupSize;
    if (s < 1 || s > way::kLargestGroup)
        return QStringLiteral("a group holds 1 to %1 numbers, not %2")
            .arg(way::kLargestGroup)
            .arg(s);
    if (bet.groups < 1) return QStringLiteral("a way ticket has at least one group");
    if (bet.groups * s > board::kNumbers)
        return QStringLiteral("%1 groups of %2 need %3 numbers; the board holds %4")
            .arg(bet.groups)
            .arg(s)
            .arg(bet.groups * s)
            .arg(board::kNumbers);
    const way::WayCountArray counts = way::CountWays(bet.groups);
    bool anyRow = false;
    for (int k = 1; k <= way::kRows; ++k) {
        if (!bet.rowBet[static_cast<std::size_t>(k - 1)]) continue;
        anyRow = true;
        const std::int32_t ways = counts[static_cast<std::size_t>(k - 1)];
        if (way::RowOffered(k, ways, s)) continue;
        QString why;
        if (k > bet.groups)
            why = QStringLiteral("there are only %1 groups").arg(bet.groups);
        else if (k * s > way::kMostSpotsPerWay)
            why = QStringLiteral("its ways have %1 spots, above %2")
                      .arg(k * s)
                      .arg(way::kMostSpotsPerWay);
        else
            why = QStringLiteral("it has too many ways");
        return QStringLiteral("row %1 is not offered for %2 groups of %3: %4")
            .arg(k)
            .arg(bet.groups)
            .arg(s)
            .arg(why);
    }
    if (!anyRow) return QStringLiteral("no row is bet");
    if (!AggregateAllows(aggregateLimit, bet.pricePerWay, WaysBet(bet)))
        return QStringLiteral("the price per game %1 is above the aggregate limit of %2")
            .arg(money::Currency(money::Times(WaysBet(bet), bet.pricePerWay)),
                 money::Currency(aggregateLimit, 0));
    return {};
}

long double WayWorth::chance() const {
    if (draws == 0) return 0.0L;
    return static_cast<long double>(winningDraws) / static_cast<long double>(draws);
}

std::vector<DrawClass> WayDrawClasses(const WayTicketBet& bet, const PayoffTables& tables) {
    std::vector<DrawClass> classes;
    if (bet.groupSize < 1 || bet.groupSize > way::kLargestGroup || bet.groups < 1 ||
        bet.groups * bet.groupSize > board::kNumbers)
        return classes;
    ClassWalk(bet, tables, classes).run();
    return classes;
}

WayWorth WorthOfClasses(const WayTicketBet& bet, const std::vector<DrawClass>& classes,
                        Money aggregateLimit) {
    WayWorth worth;
    worth.ways = WaysBet(bet);
    worth.pricePerGame = money::Times(worth.ways, bet.pricePerWay);
    for (const DrawClass& drawn : classes) {
        const Money win = ScaledWin(drawn.sum, bet.pricePerWay, aggregateLimit);
        worth.draws += drawn.draws;
        if (win > 0) worth.winningDraws += drawn.draws;
        worth.winTotal += static_cast<MoneyTotal>(drawn.draws) * win;
        worth.winSquareTotal += static_cast<long double>(drawn.draws) * win * win;
        if (&drawn == &classes.front() || win > worth.topWin) worth.topWin = win;
    }
    return worth;
}

WayWorth WorthOfWayTicket(const WayTicketBet& bet, const PayoffTables& tables,
                          Money aggregateLimit) {
    return WorthOfClasses(bet, WayDrawClasses(bet, tables), aggregateLimit);
}

WayWorthText DescribeWayWorth(const WayWorth& worth) {
    WayWorthText text;
    text.ways = QString::number(worth.ways);
    text.pricePerGame = money::Currency(worth.pricePerGame);
    text.chanceOfWinning = ChanceText(OddsMode::OneIn, worth.chance(), SystemNumberSeparators());
    const auto draws = static_cast<MoneyTotal>(worth.draws);
    if (draws > 0) {
        constexpr Money kMostCents = std::numeric_limits<Money>::max() / money::kCent;
        const Money cents = std::clamp(money::RoundedQuotient(worth.winTotal, draws * money::kCent),
                                       -kMostCents, kMostCents);
        text.expectedReturn = money::Currency(cents * money::kCent);
        text.returnToPlayer =
            PercentageText(worth.winTotal, draws * static_cast<MoneyTotal>(worth.pricePerGame));
    }
    text.topWin = money::Currency(worth.topWin);
    return text;
}

std::array<WayFigure, 6> WayWorthLines(const WayWorthText& text) {
    return {{{QStringLiteral("Ways"), text.ways},
             {QStringLiteral("Price Per Game"), text.pricePerGame},
             {QStringLiteral("Chance Of Winning"), text.chanceOfWinning},
             {QStringLiteral("Expected Return"), text.expectedReturn},
             {QStringLiteral("Return To Player"), text.returnToPlayer},
             {QStringLiteral("Top Win"), text.topWin}}};
}

QString WayWorthTip(const WayWorthText& text) {
    const std::array<WayFigure, 6> lines = WayWorthLines(text);
    QStringList tip;
    for (const WayFigure& line : {lines[2], lines[3], lines[4]})
        tip << line.label + QStringLiteral(": ") + line.value;
    return tip.join(QLatin1Char('\n'));
}

QString WayWorthTip(const GameState& state, const WayTicket& ticket) {
    WayTicketBet bet;
    bet.groups = state.CompletedSets;
    bet.groupSize = state.SpotsPerSet;
    bet.pricePerWay = state.PricePerWay;
    bool anyRow = false;
    for (int k = 1; k <= way::kRows; ++k) {
        const bool rowBet = ticket.rowState(k) == WayRowState::Bet;
        bet.rowBet[static_cast<std::size_t>(k - 1)] = rowBet;
        anyRow = anyRow || rowBet;
    }
    if (!anyRow) return {};
    return WayWorthTip(
        DescribeWayWorth(WorthOfWayTicket(bet, state.Payoffs, state.AggregateLimit)));
}

}  // namespace odds
