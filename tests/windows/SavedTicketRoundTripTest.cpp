// Whatever the table lets the player save comes back from its record as it
// was saved: the same board, bet and way rows, whatever was saved before
// under that name. Tickets of every kind are built at random from one seed,
// by clicks on the table, its Tickets menu and the way window, and saved and
// restored through the saved tickets dialog.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <algorithm>
#include <map>
#include <random>

#include "TableWindowFixture.h"
#include "core/records/IoError.h"
#include "core/ticket/TicketKinds.h"
#include "core/ticket/WayTicket.h"
#include "core/tickets/TicketFile.h"
#include "game/TableControls.h"
#include "support/ModalWait.h"
#include "support/SameLook.h"
#include "windows/SavedTicketsDialog.h"
#include "windows/WayWindow.h"

namespace {

constexpr std::uint32_t kSeed = 20250321;
constexpr int kRegularCases = 8;  // cases beside one of each Tickets menu choice
constexpr int kWayCases = 16;

// Names that overwrite each other across tickets; the long one is stored as
// its first 30 characters.
const char* const kNames[] = {"mine", "Mine", "lucky", "Friday night special at the club"};

// What the table shows of its ticket, control by control.
struct TableShows {
    std::array<QImage, 81> cells;     // by number
    std::map<QString, QImage> boxes;  // the boxes shown
    TicketSets sets{};
    TicketKind kind = TicketKind::Regular;
    QString code;
    std::optional<MenuItem> checked;
    Money price = 0, perGame = 0, total = 0;
    int games = 0, ways = 0;
    std::map<int, std::int32_t> betRows;  // row k -> ways, for the rows bet
};

enum class Shape { Regular, Way, Choice };
struct Case {
    Shape shape = Shape::Regular;
    TicketChoice choice = TicketChoice::AllCatches;  // of Shape::Choice
};

const QStringList kBoxes = {"ImageSpot", "ImageTicketKind", "ImagePPWN",
                            "ImageNOGN", "ImagePPGN",       "ImageTPN"};

class SavedTicketRoundTripTest : public TableWindowFixture {
  protected:
    void SetUp() override {
        TableWindowFixture::SetUp();
        // Room for every way ticket built here at $100.00 a way.
        writeSchedules(money::Dollars(1'000'000));
        build();
        keno_->attachWayWindow(new WayWindow(keno_.get()));
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pick_); }
    bool chance(int oneIn) { return below(oneIn) == 0; }
    void step(const QString& what) { steps_ << what; }

    TableControls& table() { return keno_->table(); }
    bool enabled(MenuItem item) { return keno_->menu().item(item)->isEnabled(); }

    void press(PictureControl& control) {
        Q_EMIT control.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        Q_EMIT control.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    }

    // Clicks n free cells while the board is open.
    void markRandom(int n) {
        for (int marked = 0; marked < n && table().boardEnabled();) {
            const int number = 1 + below(80);
            if (!table().cells().isUnmarked(number)) continue;
            Q_EMIT keno_->cell(number)->mousePressed(Qt::LeftButton, Qt::LeftButton,
                                                     Qt::NoModifier);
            ++marked;
        }
    }

    // A few presses of the price and game-count arrows, while they are shown.
    void changeBet() {
        static const char* const kArrows[] = {"ImagePPWSU", "ImagePPWSD", "ImagePPWLU",
                                              "ImagePPWLD", "ImageNOGSU", "ImageNOGSD",
                                              "ImageNOGLU", "ImageNOGLD"};
        for (int presses = below(12); presses > 0; --presses) {
            PictureControl& arrow = *keno_->control(QLatin1String(kArrows[below(8)]));
            if (arrow.isHidden()) return;
            press(arrow);
        }
        step(QStringLiteral("bet %1 x %2 games")
                 .arg(money::Currency(keno_->state().PricePerWay))
                 .arg(keno_->state().NumberOfGames));
    }

    void buildRegular() {
        const int spots = 1 + below(20);
        markRandom(spots);
        step(QStringLiteral("plain ticket of %1 spots").arg(spots));
    }

    void buildKind(const TicketChoiceEntry& entry) {
        std::vector<int> offered;
        for (int spots = 0; spots <= 20; ++spots)
            if (IsOffered(entry.menuItem, spots)) offered.push_back(spots);
        ASSERT_FALSE(offered.empty()) << entry.caption;
        const int spots =
            offered[static_cast<std::size_t>(below(static_cast<int>(offered.size())))];
        markRandom(spots);
        keno_->menu().command(entry.choice)->trigger();
        if (entry.choice == TicketChoice::QuickPick)
            for (int presses = below(25); presses > 0; --presses)
                press(*keno_->control(chance(4) ? QStringLiteral("ImageQPD")
                                                : QStringLiteral("ImageQPU")));
        step(QStringLiteral("%1 \"%2\" on %3 spots").arg(entry.caption, entry.code).arg(spots));
    }

    void buildWay() {
        const int size = 1 + below(way::kLargestGroup);
        markRandom(size);
        keno_->menu().way->trigger();
        // At most 12 groups: every row together stays within the aggregate limit.
        const int groups = 1 + below(std::min(12, 80 / size));
        markRandom((groups - 1) * size);
        step(QStringLiteral("way ticket of %1 groups of %2").arg(groups).arg(size));
        changeWayRows();
    }

    // Bets and unbets rows at random, as long as any group is complete.
    void changeWayRows() {
        const WayTicket& ticket = *keno_->wayWindow()->ticket();
        QStringList clicked;
        for (int clicks = 1 + below(5); clicks > 0; --clicks) {
            std::vector<int> shown;
            for (int k = 1; k <= way::kRows; ++k)
                if (ticket.rowState(k) != WayRowState::Hidden) shown.push_back(k);
            if (shown.empty()) return;
            const int k = shown[static_cast<std::size_t>(below(static_cast<int>(shown.size())))];
            press(*keno_->wayWindow()->row(k));
            clicked << QString::number(k);
        }
        step(QStringLiteral("rows clicked %1, ways %2")
                 .arg(clicked.join(QLatin1Char(' ')))
                 .arg(keno_->state().Ways));
    }

    TableShows shows() {
        TableShows shown;
        for (int n = 1; n <= 80; ++n)
            shown.cells[static_cast<std::size_t>(n)] = keno_->cell(n)->image();
        for (const QString& box : kBoxes)
            if (!keno_->control(box)->isHidden()) shown.boxes[box] = keno_->control(box)->image();
        const GameState& state = keno_->state();
        for (int s = 1; s <= kSetCount; ++s)
            shown.sets[static_cast<std::size_t>(s)].Numbers =
                state.Sets[static_cast<std::size_t>(s)].Numbers;
        shown.kind = state.Kind;
        shown.code = state.KindCode;
        shown.checked = table().checkedKind();
        shown.price = state.PricePerWay;
        shown.perGame = state.PricePerGame;
        shown.total = state.TotalPrice;
        shown.games = state.NumberOfGames;
        shown.ways = state.Ways;
        const WayTicket& ticket = *keno_->wayWindow()->ticket();
        for (int k = 1; k <= way::kRows; ++k)
            if (ticket.rowState(k) == WayRowState::Bet) shown.betRows[k] = ticket.rowWays(k);
        return shown;
    }

    void expectShows(const TableShows& saved, const QString& name) {
        const TableShows now = shows();
        const std::string context = name.toStdString();
        QStringList cells;
        for (int n = 1; n <= 80; ++n)
            if (!sameLook(now.cells[static_cast<std::size_t>(n)],
                          saved.cells[static_cast<std::size_t>(n)]))
                cells << QString::number(n);
        EXPECT_TRUE(cells.isEmpty()) << context << ": cells " << cells.join(' ').toStdString();
        QStringList boxes;
        for (const QString& box : kBoxes)
            if (now.boxes.count(box) != saved.boxes.count(box) ||
                (now.boxes.count(box) == 1 && !sameLook(now.boxes.at(box), saved.boxes.at(box))))
                boxes << box;
        EXPECT_TRUE(boxes.isEmpty()) << context << ": " << boxes.join(' ').toStdString();
        EXPECT_TRUE(now.sets == saved.sets) << context << ": the sets' numbers";
        EXPECT_EQ(now.kind, saved.kind) << context;
        EXPECT_EQ(now.code, saved.code) << context;
        EXPECT_EQ(now.checked, saved.checked) << context;
        EXPECT_EQ(now.price, saved.price) << context;
        EXPECT_EQ(now.perGame, saved.perGame) << context;
        EXPECT_EQ(now.total, saved.total) << context;
        EXPECT_EQ(now.games, saved.games) << context;
        EXPECT_EQ(now.ways, saved.ways) << context;
        EXPECT_EQ(now.betRows, saved.betRows) << context;
    }

    // SAVE through the menu and the dialog; what it showed becomes the name's ticket.
    void save(const QString& typed) {
        ASSERT_TRUE(enabled(MenuItem::Save));
        const TableShows shown = shows();
        modal_wait::whenShown<SavedTicketsDialog>(keno_.get(),
                                                  [typed, this](SavedTicketsDialog& form) {
                                                      form.nameEdit->setText(typed);
                                                      press(*form.okButton);
                                                  });
        keno_->menu().saveTicket->trigger();
        saved_[typed.left(kTicketNameLength)] = shown;
        savedThisCase_ << typed.left(kTicketNameLength);
        step(QStringLiteral("saved \"%1\"").arg(typed));
    }

    void saveUnderSomeName() {
        save(QLatin1String(kNames[below(static_cast<int>(std::size(kNames)))]));
    }

    void cast() {
        ASSERT_TRUE(enabled(MenuItem::Cast));
        keno_->menu().cast->trigger();
    }

    // RESTORE through the menu and the dialog onto an empty table.
    void restore(const QString& name) {
        step(QStringLiteral("restored \"%1\"").arg(name));
        try {
            // The dialog refuses a damaged record by throwing, which only the
            // game's event loop may catch: ask the file first.
            ASSERT_TRUE(TicketFile(kTicketsFile).restore(name).has_value()) << name.toStdString();
        } catch (const IoError& error) {
            FAIL() << error.message().toStdString();
        }
        ASSERT_TRUE(enabled(MenuItem::Restore));
        modal_wait::whenShown<SavedTicketsDialog>(keno_.get(),
                                                  [name, this](SavedTicketsDialog& form) {
                                                      form.nameEdit->setText(name);
                                                      press(*form.okButton);
                                                  });
        keno_->menu().restoreTicket->trigger();
        expectShows(saved_.at(name), name);
    }

    // Every choice of the Tickets menu once, plain tickets and way tickets,
    // in an order of the seed's.
    std::vector<Case> cases() {
        std::vector<Case> cases;
        for (const TicketChoiceEntry& entry : TicketChoices())
            cases.push_back({Shape::Choice, entry.choice});
        cases.insert(cases.end(), kRegularCases, Case{Shape::Regular});
        cases.insert(cases.end(), kWayCases, Case{Shape::Way});
        std::shuffle(cases.begin(), cases.end(), pick_);
        return cases;
    }

    // A way ticket whose rows are all unbet takes another group when one fits.
    void regroup() {
        if (!table().boardEnabled()) return;
        markRandom(keno_->state().SpotsPerSet);
        step(QStringLiteral("another group"));
        changeWayRows();
    }

    void playCase(const Case& ticket) {
        if (ticket.shape == Shape::Choice)
            buildKind(ChoiceEntry(ticket.choice));
        else if (ticket.shape == Shape::Regular)
            buildRegular();
        else
            buildWay();
        if (!enabled(MenuItem::Save)) {  // a way ticket with no row bet
            step(QStringLiteral("nothing to save"));
            return cast();
        }
        changeBet();
        saveUnderSomeName();
        // Changed and saved again, under the same name or another.
        for (int again = below(3); again > 0 && !HasFailure(); --again) {
            if (keno_->state().Kind == TicketKind::Way) changeWayRows();
            if (!enabled(MenuItem::Save)) regroup();
            if (!enabled(MenuItem::Save)) {
                step(QStringLiteral("every row unbet"));
                break;
            }
            changeBet();
            saveUnderSomeName();
        }
        cast();
        // Every name as last saved; a restored ticket may be saved again.
        // The names saved in this case, then one more: what other saves left.
        QStringList names = savedThisCase_;
        names.removeDuplicates();
        const auto other = std::next(saved_.begin(), below(static_cast<int>(saved_.size())));
        if (!names.contains(other->first)) names << other->first;
        for (const QString& name : names) {
            restore(name);
            if (HasFailure()) return;
            if (chance(4)) saveUnderSomeName();
            cast();
        }
    }

    std::mt19937 pick_{kSeed};
    std::map<QString, TableShows> saved_;
    QStringList savedThisCase_;
    QStringList steps_;
};

}  // namespace

TEST_F(SavedTicketRoundTripTest, EverySavedTicketRestoresAsTheTableShowedIt) {
    const std::vector<Case> all = cases();
    for (std::size_t n = 0; n < all.size() && !HasFailure(); ++n) {
        steps_.clear();
        savedThisCase_.clear();
        playCase(all[n]);
        if (HasFailure())
            ADD_FAILURE() << "seed " << kSeed << ", case " << n << ":\n  "
                          << steps_.join(QStringLiteral("\n  ")).toStdString();
    }
}
