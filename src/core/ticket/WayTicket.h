#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/sound/SoundCatalogue.h"
#include "core/ticket/BetControls.h"

struct GameState;

// The way ticket: equal groups of numbers, and rows of the way window that
// bet every choice of k groups as a regular ticket of k x s spots.
namespace way {

constexpr int kRows = kWayRows;  // one per way count the records store
constexpr int kLargestGroup = 7;
constexpr int kMostSpotsPerWay = 15;
constexpr std::int32_t kCountCap = 200'000'000;   // running sums stop growing here
constexpr std::int32_t kOfferLimit = 20'000'000;  // rows with this many ways are not offered

// Entry k-1: the ways of k groups, C(groups, k), for k = 1..15. Counts of
// kCountCap or more are kept at kCountCap, so nothing can overflow.
using WayCountArray = std::array<std::int32_t, kRows>;
WayCountArray CountWays(int completedGroups);

// Whether row k is offered for these ways and this group size.
bool RowOffered(int k, std::int32_t ways, int spotsPerSet);

// "3 / 6": the ways of a row and the spots of each of its ways.
QString RowText(std::int32_t ways, int spots);

// "  3/3    3/6  ": every row with ways > 0 in rising k, each as
// two spaces, ways, "/", k x s, two spaces.
QString WaySummary(const WayCountArray& betWays, int spotsPerSet);

}  // namespace way

enum class WayRowState { Hidden, Offered, Bet };

// What a completed group asks of the board.
struct WayGroupDone {
    std::vector<int> lockedNumbers;  // their cells become 300 + n
    bool boardClosed = false;        // no room for another whole group
};

// What a row click asks of the windows.
struct WayRowClickResult {
    enum class Outcome { Ignored, Bet, Unbet, RefusedByLimit };
    Outcome outcome = Outcome::Ignored;
    std::optional<sounds::Request> sound;  // none when sounds are off
    bool boardEnabled = true;              // the board panels after the click
    TotalsChange totals;                   // price boxes to repaint
    bool changed() const { return outcome == Outcome::Bet || outcome == Outcome::Unbet; }
};

// The rules of building and betting a way ticket over the one GameState.
// Holds the way window's rows: their counts (WayCountsEdit) and whether
// each is hidden, offered or bet.
class WayTicket {
  public:
    explicit WayTicket(GameState& state) : state_(state) {}

    // "&Way" is offered on a plain ticket with 1 to 7 numbers marked in set 1.
    bool canChoose() const;

    // Chooses "&Way": the marked numbers become group 1 and the rows restart.
    // Returns the numbers to lock; empty (and nothing changed) when not offered.
    std::vector<int> choose();

    // The group being filled has just become full: count the ways, lock it,
    // move to the next set and close the board when no whole group fits.
    WayGroupDone completeGroup();

    // A click on row k (1..15) of the way window.
    WayRowClickResult clickRow(int k);

    // At PLAY: the bet rows' counts become WayCounts; unbet rows count 0.
    void handOverAtPlay();

    // Before saving: WayCounts takes the counts of the bet rows, 0 for the others.
    void copyBetRowsToWayCounts();

    // A restored way ticket: rows with WayCounts > 0 are bet with those counts.
    void restoreRows();

    // Casting the ticket (or its reset): no rows, no counts.
    void clear();

    WayRowState rowState(int k) const;
    std::int32_t rowWays(int k) const;  // WayCountsEdit[k]
    int rowSpots(int k) const;          // k x SpotsPerSet
    QString rowText(int k) const;
    QString summary() const;  // WaySummary of the bet rows
    bool groupFits() const;   // another whole group still fits on the board
    const way::WayCountArray& wayCountsEdit() const { return counts_; }

  private:
    void showCounts(int completedGroups);
    way::WayCountArray betWays() const;
    std::size_t index(int k) const { return static_cast<std::size_t>(k - 1); }

    GameState& state_;
    way::WayCountArray counts_{};
    std::array<WayRowState, way::kRows> rows_{};
};
