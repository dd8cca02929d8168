#pragma once

#include <QEventLoop>
#include <QObject>

#include "game/Waiter.h"

// The real waits: nested event processing on the one thread, so menus and
// buttons stay live while the cycle waits.
class QtWaiter : public QObject, public Waiter {
  public:
    QtWaiter();

    bool waitUntil(const std::function<bool()>& done, int milliseconds) override;
    bool waitForSound(const std::function<bool()>& done, int milliseconds) override;
    bool processPending() override;
    void waitForInput() override;

    void markClosing() override { closing_ = true; }
    bool closing() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool wait(const std::function<bool()>& done, int milliseconds,
              QEventLoop::ProcessEventsFlags flags);

    bool closing_ = false;
    bool sawInput_ = false;
};
