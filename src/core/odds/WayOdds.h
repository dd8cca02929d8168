#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "core/state/Money.h"
#include "core/state/PayoffTables.h"
#include "core/ticket/WayTicket.h"

// What a whole way ticket is worth in one game: its chance of winning, its
// expected return and its top win, exactly. The ways of a ticket overlap, their
// wins add up and the game's win is capped, so no single odds table answers
// this; but a game's win depends only on how many groups caught 0, 1, ..., S
// numbers, so the draws fall into a few thousand classes whose sizes and wins
// are counted directly.
namespace odds {

// A way ticket as the way window bets it.
struct WayTicketBet {
    int groups = 0;                         // complete groups
    int groupSize = 0;                      // numbers in each
    std::array<bool, way::kRows> rowBet{};  // entry k-1: the ways of k groups are bet
    Money pricePerWay = money::kOneDollar;
};

// Why the way window would not take this ticket under this aggregate limit
// (group size, room on the board, rows not offered, price per game); empty
// when it would.
QString WayTicketRefusal(const WayTicketBet& bet, Money aggregateLimit);

// Ways bet: the sum of C(groups, k) over the bet rows.
std::int64_t WaysBet(const WayTicketBet& bet);

struct WayWorth {
    std::int64_t ways = 0;
    Money pricePerGame = 0;
    std::uint64_t draws = 0;         // every draw of 20 from 80, class by class
    std::uint64_t winningDraws = 0;  // the draws whose game pays more than $0.00
    MoneyTotal winTotal = 0;         // the wins of all draws added, in Money units
    long double winSquareTotal = 0;  // their squares added, for the spread of the win
    Money topWin = 0;                // the largest win any draw gives

    long double chance() const;  // winningDraws / draws
};

// Every draw's win as the evaluation pays it: the way sum of the bet rows,
// scaled by the price per way and capped at the aggregate limit. Meant for a
// ticket WayTicketRefusal accepts.
WayWorth WorthOfWayTicket(const WayTicketBet& bet, const PayoffTables& tables,
                          Money aggregateLimit);

// The same in two steps, for one ticket at many prices: the classes of draws
// with what each pays at $1.00 a way (the groups and rows bet decide them, the
// price does not), then their wins at the ticket's price and the limit.
struct DrawClass {
    std::uint64_t draws = 0;  // how many draws of 20 from 80 fall in the class
    long double sum = 0.0L;   // the way sum they pay, before scaling and the cap
};
std::vector<DrawClass> WayDrawClasses(const WayTicketBet& bet, const PayoffTables& tables);
WayWorth WorthOfClasses(const WayTicketBet& bet, const std::vector<DrawClass>& classes,
                        Money aggregateLimit);

// The figures as text, in the odds window's formats.
struct WayWorthText {
    QString ways;             // "14"
    QString pricePerGame;     // "$14.00"
    QString chanceOfWinning;  // "1 in 2.0101" or "Never"
    QString expectedReturn;   // "$10.90": the exact mean, to the cent, halves to even
    QString returnToPlayer;   // "77.85%": the mean over the price, halves to even
    QString topWin;           // "$50,000.00"
};
WayWorthText DescribeWayWorth(const WayWorth& worth);

// The six figures in order, each with its label: Ways, Price Per Game,
// Chance Of Winning, Expected Return, Return To Player, Top Win.
struct WayFigure {
    QString label;
    QString value;
};
std::array<WayFigure, 6> WayWorthLines(const WayWorthText& text);

// "Chance Of Winning: 1 in 2.0101" and the expected return and return to
// player below it, one to a line.
QString WayWorthTip(const WayWorthText& text);

// The same for the ticket in play: its complete groups and the rows bet so
// far in the way window, at the price per way and schedule in force; empty
// while no row is bet.
QString WayWorthTip(const GameState& state, const WayTicket& ticket);

}  // namespace odds
