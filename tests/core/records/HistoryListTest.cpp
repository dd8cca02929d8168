#include <gtest/gtest.h>

#include "core/records/HistoryList.h"

using namespace history;

namespace {

QList<int> games(const std::vector<HistoryEntry>& entries) {
    QList<int> numbers;
    for (const HistoryEntry& entry : entries) numbers << entry.game;
    return numbers;
}

}  // namespace

TEST(HistoryList, WinningsArePaddedByTheirSizeAtEachBoundary) {
    const std::pair<Money, const char*> cases[] = {
        {0, "           $0.00"},     {99900, "           $9.99"}, {100000, "         $10.00"},
        {999900, "         $99.99"}, {1000000, "       $100.00"}, {9999900, "       $999.99"},
        {10000000, "    $1,000.00"}, {99999900, "    $9,999.99"}, {100000000, "  $10,000.00"},
        {999999900, "  $99,999.99"}, {1000000000, "$100,000.00"},
    };
    for (const auto& [win, text] : cases)
        EXPECT_EQ(WinningsText(win), QString::fromLatin1(text)) << win;
    // The size decides the padding, not the rounded text.
    EXPECT_EQ(WinningsText(99999), "           $10.00");
    EXPECT_EQ(HistoryLine(7, 125000), "007\t         $12.50");
}

TEST(HistoryList, EveryRecordIsALineThatNamesItsGame) {
    const std::vector<GameRecord> records(1000);
    const QStringList lines = HistoryLines(records);
    ASSERT_EQ(lines.size(), 1000);
    EXPECT_EQ(lines.front(), "000\t           $0.00");
    EXPECT_EQ(lines.back(), "999\t           $0.00");
    EXPECT_EQ(HistoryEntries(records)[42].game, 42);
}

TEST(HistoryList, ResortsAndReversesEqualLines) {
    const Money dollar = money::kOneDollar;
    const std::vector<HistoryEntry> fileOrder{
        {0, 0}, {1, 5 * dollar},    {2, 0}, {3, 120 * dollar}, {4, 5 * dollar},
        {5, 0}, {6, 15000 * dollar}};
    const std::vector<HistoryEntry> descending =
        Resorted(fileOrder, HistoryOrder::WinningsDescending);
    EXPECT_EQ(games(descending), (QList<int>{6, 3, 4, 1, 5, 2, 0}));
    // From there, ascending reverses each group of equal wins once more.
    EXPECT_EQ(games(Resorted(descending, HistoryOrder::WinningsAscending)),
              (QList<int>{0, 2, 5, 1, 4, 3, 6}));
    EXPECT_EQ(games(Resorted(fileOrder, HistoryOrder::WinningsAscending)),
              (QList<int>{5, 2, 0, 4, 1, 3, 6}));

    const std::vector<HistoryEntry> byGameDown = Resorted(fileOrder, HistoryOrder::GameDescending);
    EXPECT_EQ(games(byGameDown), (QList<int>{6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(Resorted(byGameDown, HistoryOrder::GameAscending), fileOrder);
}

// Wins of every width, at the places where the shown amount gains a digit or
// rounds up to the next: the order is that of the amounts as shown, and wins
// showing the same amount are reversed like any equal lines.
TEST(HistoryList, WinningsSortByTheAmountShownAtEveryWidth) {
    const Money wins[] = {
        99949,        // 0: $9.99
        99950,        // 1: $10.00, half to even
        100000,       // 2: $10.00
        20000,        // 3: $2.00
        999999950,    // 4: $100,000.00, half to even
        1000000000,   // 5: $100,000.00
        999999900,    // 6: $99,999.99
        9999999900,   // 7: $999,999.99
        10000000000,  // 8: $1,000,000.00
        99999,        // 9: $10.00
        0,            // 10: $0.00
    };
    std::vector<HistoryEntry> fileOrder;
    for (int game = 0; game < static_cast<int>(std::size(wins)); ++game)
        fileOrder.push_back({game, wins[game]});
    EXPECT_EQ(games(Resorted(fileOrder, HistoryOrder::WinningsDescending)),
              (QList<int>{8, 7, 5, 4, 6, 9, 2, 1, 0, 3, 10}));
    EXPECT_EQ(games(Resorted(fileOrder, HistoryOrder::WinningsAscending)),
              (QList<int>{10, 3, 0, 9, 2, 1, 6, 5, 4, 7, 8}));
    // The game-number orders compare the games, not their wins.
    EXPECT_EQ(games(Resorted(fileOrder, HistoryOrder::GameDescending)),
              (QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
}

// A loss (a damaged record) sorts below every win, whatever sign style the
// locale shows it in: shown as "($2.00)" it once sorted as $2.00.
TEST(HistoryList, ALossSortsBelowEveryWin) {
    const std::vector<HistoryEntry> fileOrder{
        {0, money::Dollars(1)}, {1, -money::Dollars(2)}, {2, 0}, {3, -money::Dollars(5)}};
    EXPECT_EQ(games(Resorted(fileOrder, HistoryOrder::WinningsAscending)),
              (QList<int>{3, 1, 2, 0}));
    EXPECT_EQ(games(Resorted(fileOrder, HistoryOrder::WinningsDescending)),
              (QList<int>{0, 2, 1, 3}));
}
