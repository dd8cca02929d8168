#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "core/records/FileBytes.h"
#include "core/records/HistoryFile.h"
#include "game/SoundPlayer.h"
#include "ui/HeldArrow.h"
#include "ui/ImageButton.h"
#include "ui/PressButton.h"
#include "windows/TFormBalls.h"
#include "windows/TFormHistory.h"
#include "windows/TFormShowGame.h"
#include "windows/TListBoxComp.h"

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
            game.GameWin = money::dollars(g % 3);
            for (int i = 0; i < 20; ++i)
                game.Drawn[static_cast<std::size_t>(i)] =
                    static_cast<std::uint8_t>((g + i) % 80 + 1);
            RecordGame(game, path());
        }
    }

    static void click(ImageButton& button) {
        emit button.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        emit button.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    }
};

}  // namespace

TEST_F(RecordWindowsTest, HistoryOpensOnTheLastGameAndSortsByItsButtons) {
    play(995);
    {
        // The last game is selected, but no line past 990; the list keeps a
        // whole page of lines below its top.
        TFormHistory late(state, sounds, path(), {});
        EXPECT_EQ(late.ListBox->currentRow(), 990);
        EXPECT_EQ(late.ListBox->topIndex(), 1000 - late.ListBox->visibleLines());
    }
    play(5);
    int replays = 0;
    TFormHistory form(state, sounds, path(), [&] { ++replays; });
    EXPECT_EQ(form.windowTitle(), "Games History");
    ASSERT_EQ(form.ListBox->count(), 1000);
    EXPECT_EQ(form.ListBox->currentRow(), 5);
    EXPECT_EQ(form.ListBox->topIndex(), 5);
    EXPECT_EQ(form.ListBox->item(5)->text(), "005\t           $2.00");
    EXPECT_EQ(form.ImageSort[0]->tag(), 106);
    EXPECT_FALSE(form.ImageSort[0]->isEnabled());

    form.ImageSortMouseDown(HistoryOrder::WinningsDescending, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(form.ListBox->item(0)->text(), "005\t           $2.00");
    EXPECT_EQ(form.ListBox->item(1)->text(), "002\t           $2.00");
    EXPECT_EQ(form.ListBox->currentRow(), 0);
    EXPECT_EQ(form.ImageSort[0]->tag(), 105);
    EXPECT_TRUE(form.ImageSort[0]->isEnabled());
    EXPECT_EQ(form.ImageSort[3]->tag(), 112);
    // The pressed button is left alone: a second press keeps the order.
    const QStringList sorted = form.ListBox->lines();
    form.ImageSortMouseDown(HistoryOrder::WinningsDescending, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(form.ListBox->lines(), sorted);

    form.ListBox->setCurrentRow(1);
    click(form.ImageShow->button());
    EXPECT_EQ(replays, 1);
    EXPECT_EQ(state.ReplayGameNumber, 2);
    EXPECT_EQ(sounds.requests.size(), 3);  // sort, SHOW down, SHOW up
}

TEST_F(RecordWindowsTest, ScrollButtonsMoveTheTopLineAndStopAtTheTop) {
    play(0);
    TFormHistory form(state, sounds, path(), {});
    ASSERT_EQ(form.ListBox->topIndex(), 0);
    click(form.ImageUp->button());
    EXPECT_EQ(form.ListBox->topIndex(), 0);
    click(form.ImageDown->button());
    click(form.ImageDown->button());
    EXPECT_EQ(form.ListBox->topIndex(), 2);
    EXPECT_EQ(form.ListBox->currentRow(), 0);  // scrolling leaves the selection
}

TEST_F(RecordWindowsTest, ReplayStepsRoundTheRing) {
    play(1);
    state.ReplayGameNumber = 0;
    TFormShowGame form(state, sounds, path());
    EXPECT_EQ(form.windowTitle(), "Game #000");
    EXPECT_TRUE(form.Memo->toPlainText().startsWith("You Won $0.00\nPlaying This 1 Spot Ticket\n"));
    click(form.ImagePrevious->button());
    EXPECT_EQ(form.windowTitle(), "Game #999");
    EXPECT_TRUE(form.Memo->toPlainText().contains("You Hit 0 Out Of  0"));  // never played
    click(form.ImageNext->button());
    click(form.ImageNext->button());
    EXPECT_EQ(form.windowTitle(), "Game #001");
    EXPECT_TRUE(form.Memo->toPlainText().startsWith("You Won $1.00\n"));

    // Without a history only the caption follows.
    TFormShowGame none(state, sounds, dir.filePath("none.vlr"));
    EXPECT_TRUE(none.Memo->toPlainText().isEmpty());
}

TEST_F(RecordWindowsTest, FrequencyCountsAgainOnlyWhenTheArrowIsReleased) {
    play(999);
    TFormBalls form(state, sounds, path());
    EXPECT_EQ(form.windowTitle(), "Ball Frequency Chart");
    EXPECT_EQ(form.LabelDuring->text(), "DURING THE LAST");
    EXPECT_EQ(form.LabelGames->text(), "1000 GAMES");
    EXPECT_EQ(form.LabelCount[6]->text(), "   7 Drawn 247 Times");

    ImageButton& up = form.ImageUp->button();
    emit up.mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(form.LabelGames->text(), "GAME");  // 1000 wraps to 1
    EXPECT_EQ(form.LabelCount[6]->text(), "   7 Drawn 247 Times");
    emit up.mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    // Game 999 drew 40..59.
    EXPECT_EQ(form.LabelCount[6]->text(), "   7 Drawn 0 Times");
    EXPECT_EQ(form.LabelCount[39]->text(), "40 Drawn 1 Times");

    click(form.ImageDown->button());
    EXPECT_EQ(form.LabelGames->text(), "1000 GAMES");
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

    bool replayed = false;
    TFormHistory form(state, sounds, path(), [&] { replayed = true; });
    form.ListBox->setCurrentRow(2);
    form.ShowSelectedGame();
    EXPECT_TRUE(replayed);
    EXPECT_EQ(state.ReplayGameNumber, 2);  // not the damaged 5000

    TFormShowGame replay(state, sounds, path());
    EXPECT_EQ(replay.windowTitle(), "Game #002");
    EXPECT_TRUE(replay.Memo->toPlainText().isEmpty());  // kind 200 has no wording
    data[slot2 + 1720] = char(10);                      // a way ticket of nonsense counts
    file_bytes::putInt(data, slot2 + 1736, 4, 7);
    file_bytes::writeAll(path(), data);
    replay.ShowReplayGame();
    EXPECT_TRUE(replay.Memo->toPlainText().contains("You Bet On 7 Groups Of  90"));

    TFormBalls balls(state, sounds, path());
    EXPECT_EQ(balls.LabelGames->text(), "3 GAMES");
}
