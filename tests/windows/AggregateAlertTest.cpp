#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>

#include "core/state/AggregateLimit.h"
#include "game/SoundPlayer.h"
#include "support/ModalWait.h"
#include "support/ToldListener.h"
#include "windows/AggregateNotice.h"

namespace {

// Rows of the image holding a dark-red pixel.
std::vector<int> rowsWithText(const QImage& image) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(128, 0, 0)) {
                rows.push_back(y);
                break;
            }
    return rows;
}

}  // namespace

TEST(AggregateLimit, APricePerGameUpToTheLimitIsAllowed) {
    const Money limit = money::Dollars(50000);
    EXPECT_FALSE(AggregateAllows(limit, money::Dollars(84), 600));       // $50,400
    EXPECT_TRUE(AggregateAllows(limit, money::Dollars(83) + 500, 600));  // $49,830
    EXPECT_TRUE(AggregateAllows(limit, money::Dollars(50000)));
    EXPECT_FALSE(AggregateAllows(limit, money::Dollars(50000) + 1));
}

TEST(AggregateAlert, ShowsTheFourLinesWithTheLimitWithoutCents) {
    EXPECT_EQ(AggregateNotice::lines(money::Dollars(50000)),
              (QStringList{"Velloro Will Not Allow", "You To Waste Your Money.",
                           "Maximum Aggregate Payoff", "Per Game Is Only $50,000"}));

    GameState state;
    state.AggregateLimit = money::Dollars(1000);
    RecordingSoundPlayer sound;
    AggregateNotice form(state, sound);
    EXPECT_EQ(form.windowTitle(), "Aggregate Alert !");
    const QImage image = form.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 128, 0));
    // Four separate bands of dark-red text, spread over the whole height.
    const std::vector<int> rows = rowsWithText(image);
    ASSERT_FALSE(rows.empty());
    int bands = 1;
    for (std::size_t i = 1; i < rows.size(); ++i) bands += rows[i] > rows[i - 1] + 1;
    EXPECT_EQ(bands, 4);
    EXPECT_LT(rows.front(), image.height() / 8);
    EXPECT_GT(rows.back(), image.height() * 3 / 4);
    EXPECT_EQ(sound.requests, QStringList{"WAVE_86"});
}

TEST(AggregateAlert, ClosesOnAClickWithItsClosingSound) {
    GameState state;
    RecordingSoundPlayer sound;
    AggregateNotice form(state, sound);
    ToldListener listener;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // A screen reader hears the painted lines as the notice opens.
    EXPECT_EQ(listener.told(&form),
              QStringList{AggregateNotice::lines(state.AggregateLimit).join(QLatin1Char(' '))});
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(form.isVisible());
    ASSERT_FALSE(sound.requests.isEmpty());
    EXPECT_EQ(sound.requests.back(), "WAVE_83");
    EXPECT_EQ(sound.requests.count("WAVE_83"), 1);
}

TEST(AggregateAlert, ClosesByItselfAndStaysSilentWithSoundsOff) {
    GameState state;
    state.SoundsOn = false;
    RecordingSoundPlayer sound;
    AggregateNotice form(state, sound, nullptr, 20);
    form.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, 2000));
    EXPECT_TRUE(sound.requests.isEmpty());
}

TEST(AggregateAlert, ShowAggregateAlertReturnsWhenTheNoticeCloses) {
    GameState state;
    RecordingSoundPlayer sound;
    QObject owner;
    modal_wait::whenShown<AggregateNotice>(&owner, [](AggregateNotice& notice) {
        QTest::mouseClick(&notice, Qt::LeftButton, {}, QPoint(5, 5));
    });
    ShowAggregateAlert(state, sound, nullptr);
    EXPECT_EQ(sound.requests.back(), "WAVE_83");
}
