#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "core/records/FileBytes.h"
#include "core/records/HistoryFile.h"
#include "core/records/IoError.h"
#include "core/state/GameState.h"
#include "game/SoundPlayer.h"
#include "support/ToolTip.h"
#include "ui/PictureControl.h"
#include "windows/YourPlayWindow.h"

namespace {

struct YourPlayWindowTest : ::testing::Test {
    QTemporaryDir dir;
    GameState state;
    RecordingSoundPlayer sounds;

    QString path() const { return dir.filePath("Games.vlr"); }

    // Four games of number 40 at $1.00, the first two winning $3.00; game g
    // draws g+1..g+20. The schedule pays a 1-spot $3.00.
    void playFourGames() {
        state.Payoffs.RegularPayoffs[0][1] = money::Dollars(3);
        state.AggregateLimit = money::Dollars(50000);
        state.ScheduleNumber = 7;
        CreateHistoryFile(path());
        GameState game;
        game.SpotsMarked = game.SpotsPerSet = 1;
        game.Sets[1].Numbers[0] = 40;
        game.PricePerWay = money::kOneDollar;
        game.NumberOfGames = 4;
        for (int g = 0; g < 4; ++g) {
            game.GameNumber = g;
            game.GameWin = g < 2 ? money::Dollars(3) : 0;
            for (int i = 0; i < 20; ++i)
                game.Drawn[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(g + i + 1);
            RecordGame(game, path());
        }
    }

    // The tip the pointer resting at `at` on a picture gets.
    static QString tipAt(QWidget& picture, QPoint at) {
        QHelpEvent rest(QEvent::ToolTip, at, picture.mapToGlobal(at));
        QApplication::sendEvent(&picture, &rest);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

}  // namespace

TEST_F(YourPlayWindowTest, ASmallHistoryInWordsAndUnderThePointer) {
    playFourGames();
    YourPlayWindow form({state, sounds}, state, path());
    EXPECT_EQ(form.windowTitle(), "Your Play");
    EXPECT_EQ(form.headingLabel->text(), "Your last 4 games under the payoffs of Casino Number 7.");
    // $6.00 back of $4.00; 75 cents a game expected, $2.60 the deviation.
    EXPECT_EQ(form.luckLabel->text(),
              "You have won back 150.00% of what you paid; this play is expected to return "
              "75.00%: luck +1.15, within the usual.");
    EXPECT_EQ(form.fairnessLabel->text(),
              "The balls look uneven: p below 0.0001. A fair draw comes out this uneven less "
              "than once in a hundred histories.");
    EXPECT_EQ(form.heatLabel->text(),
              "More often than usual: 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, "
              "19, 20, 21. Less often: none.");

    // Each number is expected once, usually up to 2.7 times.
    const QFont font = form.pictureFont();
    const QSize balls = form.ballImage->size();
    EXPECT_EQ(tipAt(*form.ballImage, form.ballPicture().barOf(3, balls, font).center()),
              "3 drawn 3 times: hot\n1.0 expected, 0.0 to 2.7 usual");
    EXPECT_EQ(tipAt(*form.ballImage, form.ballPicture().barOf(23, balls, font).center()),
              "23 drawn 1 time\n1.0 expected, 0.0 to 2.7 usual");
    // After the second game: $4.00 ahead, 50 cents down expected.
    const QPoint second = form.netPicture().pointOf(1, form.netImage->size(), font);
    EXPECT_EQ(tipAt(*form.netImage, second),
              "Game #001: net $4.00\nexpected -$0.50, usually -$4.17 to $3.17");

    // The keyboard starts on the first picture and Tab goes to the second;
    // a reader hears each by its title and the words under it.
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(form.focusWidget(), form.netImage);
    QTest::keyClick(form.netImage, Qt::Key_Tab);
    EXPECT_EQ(form.focusWidget(), form.ballImage);
    EXPECT_EQ(form.netImage->spoken().name, "Your Net Result");
    EXPECT_EQ(form.netImage->spoken().description, form.luckLabel->text());
}

TEST_F(YourPlayWindowTest, OpensOnAnEmptyOrDamagedHistoryAndClosesOnEscape) {
    CreateHistoryFile(path());
    {
        YourPlayWindow empty({state, sounds}, state, path());
        EXPECT_EQ(empty.headingLabel->text(),
                  "No game is recorded yet: the pictures fill in as you play.");
        EXPECT_TRUE(empty.luckLabel->text().isEmpty());
        EXPECT_TRUE(ToolTipOf(*empty.ballImage).isEmpty());
        const QSize size = empty.ballImage->size();
        EXPECT_TRUE(tipAt(*empty.ballImage, {size.width() / 2, size.height() / 2}).isEmpty());
        empty.show();
        QTest::keyClick(&empty, Qt::Key_Escape);
        EXPECT_FALSE(empty.isVisible());
    }

    playFourGames();
    QByteArray data = file_bytes::readAll(path());
    data[2 * 1800 + 1692 + 5] = char(93);  // game 1 drew ball 93
    file_bytes::writeAll(path(), data);
    YourPlayWindow damagedGame({state, sounds}, state, path());
    EXPECT_EQ(damagedGame.headingLabel->text(),
              "Your last 3 games under the payoffs of Casino Number 7 (1 damaged game left out).");

    file_bytes::putInt(data, 0, 4, 4242);  // a header game number with no slot
    file_bytes::writeAll(path(), data);
    EXPECT_THROW(YourPlayWindow({state, sounds}, state, path()), IoError);
}
