#include <gtest/gtest.h>

#include <QTest>

#include "shell/AboutBox.h"
#include "shell/BallAnimation.h"
#include "shell/SplashArt.h"
#include "shell/SystemMemory.h"

using system_memory::MemoryLine;

TEST(SystemMemoryTest, TheLineGivesTheGamesAndTheSystemsFiguresOrSaysUnknown) {
    // Excerpts of the kernel's reports; the figure wanted is not the first one of its kind.
    const QString status = QStringLiteral(
        "Name:\tvelloro\nVmPeak:\t  812340 kB\nVmHWM:\t   60212 kB\nVmRSS:\t   49380 kB\n"
        "RssAnon:\t   20000 kB\n");
    const QString meminfo = QStringLiteral(
        "MemTotal:        8048492 kB\nMemFree:          412000 kB\n"
        "MemAvailable:    3270000 kB\nBuffers:           81234 kB\n");
    EXPECT_EQ(MemoryLine(status, meminfo),
              QStringLiteral("Memory in use: 48.2 MB    Free memory: 3.12 GB"));

    // No reports (no /proc), or figures the game cannot read.
    const QString unknown = QStringLiteral("Memory in use: unknown    Free memory: unknown");
    EXPECT_EQ(MemoryLine({}, {}), unknown);
    EXPECT_EQ(MemoryLine(QStringLiteral("VmRSS: lots kB\n"), QStringLiteral("MemAvailable: 12 MB")),
              unknown);
    EXPECT_EQ(MemoryLine(QStringLiteral("VmRSS:\t99999999999999999999 kB\n"),
                         QStringLiteral("XMemAvailable: 5 kB\nMemAvailable:\n")),
              unknown);
    EXPECT_EQ(MemoryLine(QStringLiteral("VmRSS:\t512 kB"), meminfo),
              QStringLiteral("Memory in use: 0.5 MB    Free memory: 3.12 GB"));

    // Megabytes up to the last figure below a gigabyte.
    EXPECT_EQ(system_memory::SizeText(1048524), QStringLiteral("1023.9 MB"));
    EXPECT_EQ(system_memory::SizeText(1048550), QStringLiteral("1.00 GB"));
    EXPECT_EQ(system_memory::SizeText(0), QStringLiteral("0.0 MB"));
}

TEST(BallAnimationTest, BallsDropIntoTheSplashsArrangementRestAndRollAway) {
    BallAnimation animation;
    const auto& splash = SplashBalls();
    // Waiting above the strip, out of sight.
    for (int ball = 0; ball < 7; ++ball)
        EXPECT_LT(animation.pose(ball).centre.y() + splash[ball].radius, 0) << ball;

    // Landed: the splash's row of balls, whole inside the strip, one lift for all.
    while (animation.frame() < 100) animation.advance();
    const qreal lift = splash[0].y - animation.pose(0).centre.y();
    for (int ball = 0; ball < 7; ++ball) {
        const BallAnimation::Pose pose = animation.pose(ball);
        EXPECT_DOUBLE_EQ(pose.centre.x(), splash[ball].x) << ball;
        EXPECT_DOUBLE_EQ(splash[ball].y - pose.centre.y(), lift) << ball;
        EXPECT_GE(pose.centre.y() - splash[ball].radius, 0) << ball;
        EXPECT_LE(pose.centre.y() + splash[ball].radius, BallAnimation::kHeight) << ball;
    }

    // By the round's last frame every ball has rolled out on the right, turning.
    while (animation.frame() < BallAnimation::kFramesPerRound - 1) animation.advance();
    for (int ball = 0; ball < 7; ++ball) {
        EXPECT_GT(animation.pose(ball).centre.x() - splash[ball].radius, BallAnimation::kWidth);
        EXPECT_NE(animation.pose(ball).turn, 0);
    }
    animation.advance();
    EXPECT_EQ(animation.frame(), 0);
}

TEST(AboutBoxTest, ThePictureMovesAndTheMemoryIsReadAgainOnlyWhileTheBoxIsOpen) {
    int reads = 0;
    AboutBox box(nullptr, [&reads] { return QStringLiteral("read %1").arg(++reads); });
    EXPECT_FALSE(box.isLive());
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box, 5000));
    EXPECT_TRUE(box.isLive());

    // The box's own clocks move the picture and read the memory again (the
    // timeouts are only upper bounds).
    const int frame = box.animation().frame();
    const int shownReads = reads;
    EXPECT_TRUE(QTest::qWaitFor([&] { return box.animation().frame() != frame; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return reads > shownReads; }, 5000));
    EXPECT_EQ(box.memoryLine(), QStringLiteral("read %1").arg(reads));

    // What a frame on paints is another picture.
    const QImage before = box.grab().toImage();
    for (int step = 0; step < 5; ++step) box.nextFrame();
    EXPECT_NE(box.grab().toImage(), before);

    box.close();
    EXPECT_FALSE(box.isLive());
}
