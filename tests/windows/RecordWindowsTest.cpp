#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "core/records/FileBytes.h"
#include "core/records/HistoryFile.h"
#include "core/state/GameState.h"
#include "game/SoundPlayer.h"
#include "ui/HeldArrow.h"
#include "ui/PictureControl.h"
#include "ui/PressButton.h"
#include "windows/FrequencyWindow.h"
#include "windows/HistoryListBox.h"
#include "windows/HistoryWindow.h"
#include "windows/ReplayWindow.h"

namespace {

using history::HistoryOrder;

struct RecordWindowsTest : ::testing::Test {
    QTemporaryDir dir;
    GameState state;
    RecordingSoundPlayer sounds;

    QString path() const { return dir.filePath("Games.vlr"); }

    // Games 0..last recorded, game g winning g dollars and drawing balls g+1.. .
    void play(int last) {
        CreateHistoryFile(path());
        GameState game;
        game.SpotsMarked = 1;
        game.SpotsPerSet = 1;
        game.PayoffSpots = 1;
        game.Sets[1].Numbers[0] = 40;
        for (int g = 0; g <= last; ++g) {
            game.GameNumber = g;
            game.GameWin = money::Dollars(g % 3);
            for (int i = 0; i < 20; ++i)
                game.Drawn[static_cast<std::size_t>(i)] =
                    static_cast<std::uint8_t>((g + i) % 80 + 1);
            RecordGame(game, path());
        }
    }

    // The lines the list shows: the first and the last in its view.
    static std::pair<QString, QString> inView(const HistoryListBox& list) {
        const QRect view = list.viewport()->rect();
        const auto lineAt = [&list](QPoint at) { return list.indexAt(at).data().toString(); };
        return {lineAt(view.topLeft()), lineAt(view.bottomLeft())};
    }

    static void click(PictureControl& button) {
        emit button.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        emit button.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    }
};

}  // namespace

TEST_F(RecordWindowsTest, HistoryOpensOnTheLastGameAndSortsByItsButtons) {
    play(995);
    {
        // The last game is selected, but no line past 990, in view; the list
        // shows a whole page down to its last line.
        HistoryWindow late({state, sounds}, path(), {});
        EXPECT_EQ(late.gameList->currentItem()->text(), "990\t           $0.00");
        EXPECT_EQ(inView(*late.gameList).second, "999\t           $0.00");
        EXPECT_LE(inView(*late.gameList).first.left(3).toInt(), 990);
    }
    play(5);
    int replays = 0;
    int replayed = -1;
    HistoryWindow form({state, sounds}, path(), [&](int game) {
        ++replays;
        replayed = game;
    });
    EXPECT_EQ(form.windowTitle(), "Games History");
    ASSERT_EQ(form.gameList->count(), 1000);
    EXPECT_EQ(form.gameList->currentItem()->text(), "005\t           $2.00");
    EXPECT_EQ(inView(*form.gameList).first, "005\t           $2.00");
    EXPECT_EQ(form.sortButtons[0]->tag(), 106);
    EXPECT_FALSE(form.sortButtons[0]->isEnabled());

    form.onSortPressed(HistoryOrder::WinningsDescending);
    EXPECT_EQ(form.gameList->item(0)->text(), "005\t           $2.00");
    EXPECT_EQ(form.gameList->item(1)->text(), "002\t           $2.00");
    EXPECT_EQ(form.gameList->currentRow(), 0);
    EXPECT_EQ(form.sortButtons[0]->tag(), 105);
    EXPECT_TRUE(form.sortButtons[0]->isEnabled());
    EXPECT_EQ(form.sortButtons[3]->tag(), 112);
    // The pressed button is left alone: a second press keeps the order.
    const QStringList sorted = form.gameList->lines();
    form.onSortPressed(HistoryOrder::WinningsDescending);
    EXPECT_EQ(form.gameList->lines(), sorted);

    form.gameList->setCurrentRow(1);
    click(form.showButton->button());
    EXPECT_EQ(replays, 1);
    EXPECT_EQ(replayed, 2);
    EXPECT_EQ(sounds.requests.size(), 3);  // sort, SHOW down, SHOW up
}

TEST_F(RecordWindowsTest, ScrollButtonsMoveTheTopLineAndStopAtTheTop) {
    play(0);
    HistoryWindow form({state, sounds}, path(), {});
    ASSERT_EQ(form.gameList->topIndex(), 0);
    click(form.scrollUp->button());
    EXPECT_EQ(form.gameList->topIndex(), 0);
    click(form.scrollDown->button());
    click(form.scrollDown->button());
    EXPECT_EQ(form.gameList->topIndex(), 2);
    EXPECT_EQ(form.gameList->currentRow(), 0);  // scrolling leaves the selection
}

TEST_F(RecordWindowsTest, ReplayStepsRoundTheRing) {
    play(1);
    ReplayWindow form({state, sounds}, state.Payoffs, path(), 0);
    EXPECT_EQ(form.windowTitle(), "Game #000");
    EXPECT_TRUE(
        form.sentences->toPlainText().startsWith("You Won $0.00\nPlaying This 1 Spot Ticket\n"));
    click(form.previousButton->button());
    EXPECT_EQ(form.windowTitle(), "Game #999");
    EXPECT_TRUE(form.sentences->toPlainText().contains("You Hit 0 Out Of  0"));  // never played
    click(form.nextButton->button());
    click(form.nextButton->button());
    EXPECT_EQ(form.windowTitle(), "Game #001");
    EXPECT_TRUE(form.sentences->toPlainText().startsWith("You Won $1.00\n"));

    // Without a history only the caption follows.
    ReplayWindow none({state, sounds}, state.Payoffs, dir.filePath("none.vlr"), 0);
    EXPECT_TRUE(none.sentences->toPlainText().isEmpty());
}

TEST_F(RecordWindowsTest, FrequencyCountsAgainOnlyWhenTheArrowIsReleased) {
    play(999);
    FrequencyWindow form({state, sounds}, path());
    EXPECT_EQ(form.windowTitle(), "Ball Frequency Chart");
    EXPECT_EQ(form.duringLabel->text(), "DURING THE LAST");
    EXPECT_EQ(form.gamesLabel->text(), "1000 GAMES");
    EXPECT_EQ(form.countLabels[6]->text(), "   7 Drawn 247 Times");

    PictureControl& up = form.upArrow->button();
    emit up.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(form.gamesLabel->text(), "GAME");  // 1000 wraps to 1
    EXPECT_EQ(form.countLabels[6]->text(), "   7 Drawn 247 Times");
    emit up.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    // Game 999 drew 40..59.
    EXPECT_EQ(form.countLabels[6]->text(), "   7 Drawn 0 Times");
    EXPECT_EQ(form.countLabels[39]->text(), "40 Drawn 1 Times");

    click(form.downArrow->button());
    EXPECT_EQ(form.gamesLabel->text(), "1000 GAMES");
}

TEST_F(RecordWindowsTest, DamagedSlotsAreShownWithoutReachingOutside) {
    play(3);
    QByteArray data = file_bytes::readAll(path());
    const qsizetype slot2 = 3 * 1800;
    file_bytes::putInt(data, slot2, 4, 5000);  // game number
    data[slot2 + 1720] = char(200);            // kind
    data[slot2 + 1723] = char(90);             // spots per set
    data[slot2 + 1721] = char(250);            // completed sets
    data[slot2 + 1725] = char(99);             // payoff spots
    data[slot2 + 1796] = char(7);              // kind code length
    data[slot2 + 1692] = char(255);            // a ball
    file_bytes::writeAll(path(), data);

    int replayed = -1;
    HistoryWindow form({state, sounds}, path(), [&](int game) { replayed = game; });
    form.gameList->setCurrentRow(2);
    form.replaySelectedGame();
    EXPECT_EQ(replayed, 2);  // not the damaged 5000

    ReplayWindow replay({state, sounds}, state.Payoffs, path(), replayed);
    EXPECT_EQ(replay.windowTitle(), "Game #002");
    EXPECT_TRUE(replay.sentences->toPlainText().isEmpty());  // kind 200 has no wording
    data[slot2 + 1720] = char(10);                           // a way ticket of nonsense counts
    file_bytes::putInt(data, slot2 + 1736, 4, 7);
    file_bytes::writeAll(path(), data);
    replay.showGame();
    EXPECT_TRUE(replay.sentences->toPlainText().contains("You Bet On 7 Groups Of  90"));

    FrequencyWindow balls({state, sounds}, path());
    EXPECT_EQ(balls.gamesLabel->text(), "3 GAMES");
}
