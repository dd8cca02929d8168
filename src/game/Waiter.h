#pragma once

#include <functional>

// Every wait of the game cycle goes through this seam, so a test can play a
// long run in an instant and still see the order of the steps.
class Waiter {
  public:
    virtual ~Waiter() = default;

    // Keeps the window responsive until done() is true; `milliseconds` is the
    // timed limit (negative: no limit). Returns false when the application is
    // being closed, in which case the caller ends the run at once.
    virtual bool waitUntil(const std::function<bool()>& done, int milliseconds) = 0;

    // Waits while a blocking sound plays: the windows keep repainting but take
    // no input until the sound has ended (done() or the limit). Input that
    // arrives meanwhile is handled afterwards.
    virtual bool waitForSound(const std::function<bool()>& done, int milliseconds) {
        return waitUntil(done, milliseconds);
    }

    // Processes pending window messages once. False when the application is closing.
    virtual bool processPending() = 0;

    // Waits for the next input event (the release of a pressed button).
    virtual void waitForInput() = 0;

    // The game is ending (its table closed): every wait from now on, and the
    // one running, ends at once and reports the closing.
    virtual void markClosing() {}
};
