#include <gtest/gtest.h>

#include "core/odds/OddsTable.h"
#include "core/schedules/ScheduleDesign.h"
#include "core/state/Board.h"
#include "core/state/RandomSource.h"
#include "core/ticket/Evaluation.h"
#include "core/ticket/KindTable.h"
#include "core/ticket/TicketKinds.h"
#include "support/HandDraw.h"

// What the payoffs-and-odds window shows a row paying must be exactly what a
// game with that outcome pays: every kind and code, every spot count, every
// catch, played through the draw's catch rule and the evaluation.

namespace {

constexpr Money kBet = 23500;  // $2.35: the scaling rounds on both sides
constexpr Money kLimit = money::Dollars(900);

// The ticket of a row at `spots` spots, as PLAY leaves it.
GameState ticketOf(const kinds::KindRule& rule, int spots, const PayoffTables& tables) {
    GameState state;
    state.Payoffs = tables;
    state.AggregateLimit = kLimit;
    state.PricePerWay = state.PricePerGame = kBet;
    if (rule.choice && *rule.choice != TicketChoice::QuickPick) {
        if (rule.region == nullptr) state.SpotsMarked = static_cast<std::uint8_t>(spots);
        EXPECT_TRUE(ApplyTicketKind(state, *rule.choice).has_value());
    } else {
        state.Kind = rule.kind;
        state.KindCode = QLatin1String(rule.code);
    }
    if (rule.region == nullptr) {
        std::vector<int> numbers;
        for (int n = 1; n <= spots; ++n) numbers.push_back(n * 3);  // 3, 6, 9, ...
        hand_draw::markTicket(state, numbers);
    }
    state.SpotsPerSet = state.SpotsMarked;
    return state;
}

// True when ball n is a catch (or, for Forty Forty, is counted) for the ticket.
bool counts(const GameState& state, const kinds::KindRule& rule, int n) {
    if (rule.region) return kinds::InRegion(rule, n);
    return state.Sets[1].contains(static_cast<std::uint8_t>(n));
}

// 20 balls of which `caught` count; with `lastCaught` the 20th is one of them.
std::vector<int> drawWith(const GameState& state, const kinds::KindRule& rule, int caught,
                          bool lastCaught) {
    std::vector<int> in, out;
    for (int n = 1; n <= board::kNumbers; ++n) (counts(state, rule, n) ? in : out).push_back(n);
    std::vector<int> balls(in.begin(), in.begin() + caught);
    const int others = board::kBallsPerGame - caught;
    if (lastCaught) {
        balls.insert(balls.begin(), out.begin(), out.begin() + others);
    } else {
        balls.insert(balls.end(), out.begin(), out.begin() + others);
    }
    return balls;
}

Money played(const GameState& ticket, const std::vector<int>& balls) {
    GameState state = ticket;
    hand_draw::draw(state, balls);
    RandomSource random([] { return 1u; });
    EvaluateGame(state, random);
    return state.GameWin;
}

void expectOddsAgreeWithPlay(const PayoffTables& tables, const char* what) {
    int rowsChecked = 0;
    for (const kinds::KindRule& rule : kinds::Rules()) {
        if (rule.kind == TicketKind::Way) continue;  // paid as regular tickets, one per way
        const odds::SpotRange range = odds::SpotRangeOf(rule.kind);
        const int lowest = range.fixed ? 0 : range.minimum;
        const int highest = range.fixed ? 0 : range.maximum;
        for (int spots = lowest; spots <= highest; ++spots) {
            const GameState ticket = ticketOf(rule, spots, tables);
            odds::OddsView view;
            odds::FillOddsTable({rule.kind, spots, kBet, odds::OddsMode::OneIn, &tables, kLimit},
                                odds::kFillAll, view);
            for (int row = 0; row < odds::kOddsRows; ++row) {
                const odds::OddsRow& shown = view.rows[static_cast<std::size_t>(row)];
                if (shown.catchLabel.isEmpty()) break;
                const bool lastBallRow = shown.catchLabel.endsWith(QLatin1String("+LBD"));
                const int caught = lastBallRow ? spots : row;
                // A full catch without the extra row ends on a ball off the ticket.
                const Money win = played(ticket, drawWith(ticket, rule, caught, lastBallRow));
                EXPECT_EQ(money::Currency(win), shown.winText)
                    << what << ": " << kinds::Words(rule).toStdString() << " " << spots
                    << " spots, row " << shown.catchLabel.toStdString();
                ++rowsChecked;
            }
        }
    }
    // Regular and quick pick 230 rows each, All Catches 38, All Or Nothing 35,
    // Bet Against 100, Catch All 33, eight region codes 21 each, Last Ball
    // Drawn 33 with its extra rows, Super Special 60.
    EXPECT_EQ(rowsChecked, 2 * 230 + 38 + 35 + 100 + 33 + 8 * 21 + 33 + 60) << what;
}

}  // namespace

TEST(OddsAgreeWithPlay, EveryKindSpotCountAndCatchOfADistinctEntryTable) {
    // Every entry its own amount, so a row read from the wrong entry shows;
    // as in every schedule, Forty pays from 11 of its 40 and Forty Forty on a
    // split of 13 or more either way only.
    PayoffTables tables = hand_draw::numberedTables();
    for (int caught = 0; caught <= 10; ++caught) tables.FortyPayoffs[caught] = 0;
    for (int caught = 8; caught <= 12; ++caught) tables.FortyFortyPayoffs[caught] = 0;
    expectOddsAgreeWithPlay(tables, "numbered tables");
}

TEST(OddsAgreeWithPlay, EveryKindSpotCountAndCatchOfTheHouseSchedule) {
    expectOddsAgreeWithPlay(schedule_design::Design(0).Tables, "schedule 0");
}
