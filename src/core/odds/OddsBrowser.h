#pragma once

#include <functional>

#include "core/odds/OddsTable.h"
#include "core/state/GameState.h"
#include "core/ticket/KindTable.h"

// The arrow buttons of the payoffs-and-odds window.
enum class OddsArrow { BetUp, BetDown, SpotUp, SpotDown, CasinoUp, CasinoDown };

// What the payoffs-and-odds window shows and how its controls change it,
// without the widgets: the tab, the spot count browsed (its own, from the ticket's),
// the bet, the bet arrows' step, the odds mode and the schedule in force.
class OddsBrowser {
  public:
    // Puts record `number` of the schedule file in force; throws IoError.
    using ScheduleLoader = std::function<void(ScheduleInForce&, int number)>;

    static constexpr Money kBetStep = 500;                     // $0.05
    static constexpr Money kLowestBet = 500;                   // $0.05
    static constexpr Money kHighestBet = money::Dollars(100);  // $100.00
    static constexpr Money kLargestStep = money::Dollars(10);
    static constexpr int kLastSchedule = 99;

    // Bet := PricePerWay, one-in mode, the tab of the ticket's kind and its
    // spot count (openingSpots). The table is filled by the first SelectTab;
    // the casino arrows change the state's schedule in force.
    OddsBrowser(GameState& state, ScheduleLoader loadSchedule);

    // The tab a ticket kind opens on: its own, a way ticket's is "1 To 20 Spot".
    static int openingTab(TicketKind kind) { return kinds::TabOf(kind); }
    // The spot count the menu opens the window at.
    static int openingSpots(const TicketState& ticket);

    int tab() const { return tab_; }
    TicketKind tabKind() const { return kinds::TabKind(tab_); }
    odds::SpotRange spotRange() const { return odds::SpotRangeOf(tabKind()); }
    int spots() const { return spots_; }
    Money bet() const { return bet_; }
    Money betStep() const { return betStep_; }
    odds::OddsMode mode() const { return mode_; }
    const odds::OddsView& view() const { return view_; }
    const ScheduleInForce& schedule() const { return schedule_; }

    // Shows a tab (another number: the first): a spot count outside its range
    // becomes its minimum.
    void selectTab(int tab);
    // One step of an arrow; true when its value changed. A casino step whose
    // record cannot be read keeps the number and the tables in force and
    // rethrows the IoError.
    bool stepArrow(OddsArrow arrow);
    // Each press and release starts the bet step again at $0.05.
    void restartBetStep() { betStep_ = kBetStep; }
    // After each repeat of a held arrow the step grows, back to $0.05 past $10.00.
    void growBetStep();
    void setMode(odds::OddsMode mode);

  private:
    bool stepBet(bool up);
    bool stepSpots(bool up);
    bool stepSchedule(bool up);
    void fill(odds::FillFlags flags);

    ScheduleInForce& schedule_;
    ScheduleLoader loadSchedule_;
    int tab_ = 0;
    int spots_ = 1;
    Money bet_ = money::kOneDollar;
    Money betStep_ = kBetStep;
    odds::OddsMode mode_ = odds::OddsMode::OneIn;
    odds::OddsView view_;
};
