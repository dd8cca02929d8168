#include <gtest/gtest.h>

#include <QTimer>

#include "devices/QtWaiter.h"

namespace {

// A wait that should end by itself but does not is ended by closing, and fails.
struct Guard {
    explicit Guard(QtWaiter& waiter) {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this, &waiter] {
            fired = true;
            waiter.markClosing();
        });
        timer.start(10000);
    }
    QTimer timer;
    bool fired = false;
};

TEST(QtWaiterTest, TimedWaitEndsAtItsLimitOrEarlierWhenDone) {
    QtWaiter waiter;
    Guard guard(waiter);
    // The wait keeps events flowing until its limit: a timer due before the
    // limit fires during it, one due long after does not.
    bool early = false;
    bool late = false;
    QTimer::singleShot(10, [&early] { early = true; });
    QTimer lateTimer;
    lateTimer.setSingleShot(true);
    QObject::connect(&lateTimer, &QTimer::timeout, [&late] { late = true; });
    lateTimer.start(8000);
    EXPECT_TRUE(waiter.waitUntil([] { return false; }, 60));
    EXPECT_TRUE(early);
    EXPECT_FALSE(late);

    // NEXT arrives as an event while the wait has no limit.
    bool next = false;
    QTimer::singleShot(20, [&next] { next = true; });
    EXPECT_TRUE(waiter.waitUntil([&next] { return next; }, -1));
    EXPECT_TRUE(next);
    EXPECT_FALSE(guard.fired);
}

TEST(QtWaiterTest, ClosingEndsEveryWaitAndReportsIt) {
    QtWaiter waiter;
    Guard guard(waiter);
    QTimer::singleShot(20, [&waiter] { waiter.markClosing(); });
    EXPECT_FALSE(waiter.waitUntil([] { return false; }, -1));
    EXPECT_FALSE(guard.fired);
    EXPECT_FALSE(waiter.processPending());
    EXPECT_FALSE(waiter.waitUntil([] { return false; }, 100000));
    waiter.waitForInput();  // returns: no button is held
}

}  // namespace
