#include "support/SoakRun.h"

#include <QSet>
#include <algorithm>
#include <random>
#include <vector>

#include "core/records/HistoryFile.h"
#include "core/records/RecordFile.h"
#include "core/schedules/ScheduleDesign.h"
#include "core/ticket/TicketKinds.h"
#include "core/ticket/WayTicket.h"
#include "game/GameCycle.h"
#include "support/QuietTable.h"

namespace {

// The board regions written out as numbers, independently of the rules' own tables.
bool inRanges(int n, std::initializer_list<std::pair<int, int>> ranges) {
    for (const auto& [from, to] : ranges)
        if (n >= from && n <= to) return true;
    return false;
}
bool inLeftHalf(int n) {
    return inRanges(n,
                    {{1, 5}, {11, 15}, {21, 25}, {31, 35}, {41, 45}, {51, 55}, {61, 65}, {71, 75}});
}
bool onEdge(int n) {
    return inRanges(n, {{1, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 80}});
}
bool inInside(int n) {
    return inRanges(n, {{14, 17}, {23, 28}, {33, 38}, {43, 48}, {53, 58}, {64, 67}});
}

// Whether ball n counts for a ticket of a fixed region, by its kind code.
bool inRegion(const QString& code, int n) {
    if (code == "T" || code == "TB") return n <= 40;
    if (code == "B") return n > 40;
    if (code == "L" || code == "LR") return inLeftHalf(n);
    if (code == "R") return !inLeftHalf(n);
    if (code == "E") return onEdge(n);
    if (code == "I") return inInside(n);
    return false;
}

// The hits every set should have after the draw, counted from the ticket and
// the balls alone.
std::array<int, kSetCount + 1> expectedHits(const GameState& s) {
    std::array<int, kSetCount + 1> hits{};
    const bool region = s.Kind == TicketKind::Forty || s.Kind == TicketKind::FortyForty ||
                        s.Kind == TicketKind::ThirtyTwoSpot;
    for (const std::uint8_t ball : s.Drawn) {
        if (region) {
            if (inRegion(s.KindCode, ball)) ++hits[1];
            continue;
        }
        for (int j = 1; j <= s.CurrentSet; ++j)
            for (int i = 0; i < s.SpotsPerSet && i < TicketSet::kSlots; ++i)
                if (s.Sets[static_cast<std::size_t>(j)].Numbers[static_cast<std::size_t>(i)] ==
                    ball)
                    ++hits[static_cast<std::size_t>(j)];
    }
    return hits;
}

class Soak {
  public:
    explicit Soak(const SoakOptions& options)
        : options_(options),
          table_(state_, view_, sounds_, waiter_),
          random_([this] { return clock_ += 7919; }),
          evaluator_(random_),
          cycle_(table_, random_, {tickets_, evaluator_, recorder_, printer_}),
          pick_(options.seed) {}

    SoakReport run() {
        const PayoffSchedule schedule = schedule_design::Design(options_.scheduleNumber);
        state_.Payoffs = schedule.Tables;
        state_.AggregateLimit = schedule.AggregateLimit;
        state_.SoundsOn = false;
        OpenHistoryAtStartup(state_, options_.historyPath);
        expectedGame_ = 0;
        cycle_.openNextGame();
        table_.resetTicket();
        table_.updateTicketMenus(false);
        expectedBalance_ = state_.Balance;
        expectedSettled_ = state_.Balance;

        while (report_.games < options_.games && report_.faults.size() < kMostFaults) {
            buildTicket();
            setBet(options_.games - report_.games);
            if (!table_.isEnabled(MenuItem::Play)) {
                // Nothing playable (a way ticket with no row bet): start again.
                cycle_.cast();
                continue;
            }
            // A reopened ticket may be played again, as the player would.
            do {
                playRun();
            } while (report_.games < options_.games && report_.faults.size() < kMostFaults &&
                     reopen(chance(3)));
        }
        report_.balance = state_.Balance;
        return report_;
    }

  private:
    static constexpr int kMostFaults = 10;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pick_); }
    bool chance(int oneIn) { return below(oneIn) == 0; }

    void fault(const QString& what) {
        if (report_.faults.size() < kMostFaults)
            report_.faults.append(QStringLiteral("game %1 (%2 of the soak, kind %3 \"%4\"): %5")
                                      .arg(state_.GameNumber)
                                      .arg(report_.games)
                                      .arg(KindByte(state_.Kind))
                                      .arg(state_.KindCode, what));
    }

    // Clicks n distinct free cells of the board.
    void markRandom(int n) {
        int marked = 0;
        while (marked < n && table_.boardEnabled()) {
            const int number = below(80) + 1;
            if (!table_.cells().isUnmarked(number)) continue;
            tickets_.onCellPressed(number);
            ++marked;
        }
    }

    void buildTicket() {
        const int shape = below(20);
        if (shape < 4) {
            markRandom(1 + below(20));  // a plain ticket
        } else if (shape < 7) {
            buildWayTicket();
        } else {
            const auto& choices = TicketChoices();
            const TicketChoiceEntry& entry =
                choices[static_cast<std::size_t>(below(static_cast<int>(choices.size())))];
            std::vector<int> offered;
            for (int spots = 0; spots <= 20; ++spots)
                if (IsOffered(entry.menuItem, spots)) offered.push_back(spots);
            if (offered.empty()) return;
            markRandom(offered[static_cast<std::size_t>(below(static_cast<int>(offered.size())))]);
            if (!tickets_.chooseKind(entry.choice)) return;
            if (entry.choice == TicketChoice::QuickPick) {
                const int steps = below(20);
                for (int i = 0; i < steps; ++i) bet::SpinnerStep(state_, BetArrow::SpotsUp);
                table_.updateMenus();
            }
        }
    }

    void buildWayTicket() {
        const int groupSize = 1 + below(way::kLargestGroup);
        markRandom(groupSize);
        if (tickets_.chooseWay().empty()) return;
        // Small enough that the way sum stays quick: at most 12 groups.
        const int groups = 1 + below(std::min(12, 80 / groupSize));
        markRandom((groups - 1) * groupSize);
    }

    void betWayRows() {
        if (state_.Kind != TicketKind::Way) return;
        WayTicket& way = tickets_.wayTicket();
        for (int k = 1; k <= way::kRows; ++k) {
            if (way.rowState(k) != WayRowState::Offered || way.rowWays(k) > 400 || chance(2))
                continue;
            // As the way window's row does it.
            const WayRowClickResult result = way.clickRow(k);
            if (result.changed()) tickets_.onWayBetChanged(result);
        }
        table_.updateMenus();
    }

    void setBet(int gamesLeft) {
        const int games = 1 + below(std::min(gamesLeft, 40));
        for (int i = 1; i < games; ++i) bet::SpinnerStep(state_, BetArrow::GamesUp);
        const int large = below(4) == 0 ? below(30) : 0;
        for (int i = 0; i < large; ++i) bet::SpinnerStep(state_, BetArrow::PriceUpDollar);
        const int small = below(25);
        for (int i = 0; i < small; ++i) bet::SpinnerStep(state_, BetArrow::PriceUp);
        betWayRows();
    }

    // OPEN after a run; then CAST unless the same ticket is to be played again.
    bool reopen(bool playAgain) {
        if (!table_.isEnabled(MenuItem::Open)) fault(QStringLiteral("OPEN is not offered"));
        cycle_.open();
        const bool fits = state_.NumberOfGames <= options_.games - report_.games;
        if (playAgain && fits && table_.isEnabled(MenuItem::Play)) return true;
        if (!table_.isEnabled(MenuItem::Cast)) fault(QStringLiteral("CAST is not offered"));
        cycle_.cast();
        return false;
    }

    void playRun() {
        const Money price = state_.TotalPrice;
        expectedBalance_ -= price;
        report_.paid += price;
        ++report_.runs;
        if (cycle_.play() != GameCycle::RunEnd::Finished)
            fault(QStringLiteral("the run did not finish"));
        if (state_.GamesToGo != 0) fault(QStringLiteral("games left after the run"));
        if (expectedSettled_ != expectedBalance_)
            fault(QStringLiteral("the run ends with a settled balance %1 beside the balance %2")
                      .arg(expectedSettled_)
                      .arg(expectedBalance_));
    }

    void recordAndCheck() {
        ++report_.games;
        ++report_.gamesByKind[std::min<std::size_t>(KindByte(state_.Kind), 10)];
        expectedBalance_ += state_.GameWin;
        // A stop now keeps only the games recorded: each one's price and win.
        expectedSettled_ += state_.GameWin - state_.PricePerGame;
        report_.won += state_.GameWin;

        if (state_.GameNumber != expectedGame_)
            fault(QStringLiteral("game number %1 where %2 was due")
                      .arg(state_.GameNumber)
                      .arg(expectedGame_));
        expectedGame_ = (state_.GameNumber + 1) % kHistorySlots;

        QSet<int> balls;
        for (const std::uint8_t ball : state_.Drawn)
            if (ball >= 1 && ball <= 80) {
                balls.insert(ball);
                ++report_.balls[ball];
            }
        if (balls.size() != 20) fault(QStringLiteral("the draw is not 20 distinct balls in 1..80"));

        const auto hits = expectedHits(state_);
        for (int j = 1; j <= kSetCount; ++j)
            if (state_.Sets[static_cast<std::size_t>(j)].Hits != hits[static_cast<std::size_t>(j)])
                fault(QStringLiteral("set %1 has %2 hits, the balls make %3")
                          .arg(j)
                          .arg(state_.Sets[static_cast<std::size_t>(j)].Hits)
                          .arg(hits[static_cast<std::size_t>(j)]));

        if (state_.GameWin < 0 || state_.GameWin > state_.AggregateLimit)
            fault(QStringLiteral("a win of %1 outside 0..limit").arg(state_.GameWin));
        if (state_.Balance != expectedBalance_)
            fault(QStringLiteral("balance %1, prices and wins make %2")
                      .arg(state_.Balance)
                      .arg(expectedBalance_));

        RecordGame(state_, options_.historyPath);
        checkFile();
    }

    void checkFile() {
        RecordFile file(options_.historyPath, kGameRecordSize, RecordFile::Mode::Read);
        const GameRecord header = DecodeGameRecord(file.read(0));
        if (header.GameNumber != state_.GameNumber || header.GameWin != expectedSettled_)
            fault(QStringLiteral("the header holds game %1 and balance %2")
                      .arg(header.GameNumber)
                      .arg(header.GameWin));
        const GameRecord slot = DecodeGameRecord(file.read(state_.GameNumber + 1));
        bool sets = true;
        for (int j = 1; j <= kSetCount; ++j)
            sets = sets && slot.Sets[static_cast<std::size_t>(j)] ==
                               state_.Sets[static_cast<std::size_t>(j)];
        const bool same =
            slot.GameNumber == state_.GameNumber && slot.GameWin == state_.GameWin && sets &&
            slot.Drawn == state_.Drawn && slot.PricePerWay == state_.PricePerWay &&
            slot.TicketKind == KindByte(state_.Kind) && slot.KindCode == state_.KindCode &&
            slot.Ways == state_.Ways && slot.WayCounts == state_.WayCounts &&
            slot.NumberOfGames == state_.NumberOfGames && slot.SpotsPerSet == state_.SpotsPerSet &&
            slot.SpotsMarked == state_.SpotsMarked && slot.CompletedSets == state_.CompletedSets &&
            slot.CurrentSet == state_.CurrentSet;
        if (!same) fault(QStringLiteral("the slot read back differs from the game"));
    }

    SoakOptions options_;
    GameState state_;
    QuietTableView view_;
    InstantWaiter waiter_;
    SilentSoundPlayer sounds_;
    QuietWayRows wayRows_;
    TableControls table_;
    TicketBuilder tickets_{table_, wayRows_};
    std::uint32_t clock_ = 0;
    RandomSource random_;
    ScheduleEvaluator evaluator_;
    RecorderDoing recorder_{[this](const GameState&) { recordAndCheck(); }};
    NoPrinting printer_;
    GameCycle cycle_;
    std::mt19937 pick_;
    Money expectedBalance_ = 0;
    Money expectedSettled_ = 0;  // the balance of the games recorded, the header's
    int expectedGame_ = 0;
    SoakReport report_;
};

}  // namespace

SoakReport PlaySoak(const SoakOptions& options) { return Soak(options).run(); }
