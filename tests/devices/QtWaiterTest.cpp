#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include "devices/QtWaiter.h"

namespace {

TEST(QtWaiterTest, TimedWaitEndsAtItsLimitOrEarlierWhenDone) {
    QtWaiter waiter;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(waiter.waitUntil([] { return false; }, 60));
    EXPECT_GE(clock.elapsed(), 55);

    // NEXT arrives as an event while the wait has no limit.
    bool next = false;
    QTimer::singleShot(20, [&next] { next = true; });
    clock.restart();
    EXPECT_TRUE(waiter.waitUntil([&next] { return next; }, -1));
    EXPECT_TRUE(next);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST(QtWaiterTest, ClosingEndsEveryWaitAndReportsIt) {
    QtWaiter waiter;
    QTimer::singleShot(20, [&waiter] { waiter.markClosing(); });
    EXPECT_FALSE(waiter.waitUntil([] { return false; }, -1));
    EXPECT_FALSE(waiter.processPending());
    EXPECT_FALSE(waiter.waitUntil([] { return false; }, 100000));
    waiter.waitForInput();  // returns: no button is held
}

}  // namespace
