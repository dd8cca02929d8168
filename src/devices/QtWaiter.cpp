#include "devices/QtWaiter.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

namespace {

void WakeLoop() {
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

}  // namespace

QtWaiter::QtWaiter() {
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { closing_ = true; });
}

bool QtWaiter::closing() const { return closing_ || QCoreApplication::closingDown(); }

bool QtWaiter::waitUntil(const std::function<bool()>& done, int milliseconds) {
    return wait(done, milliseconds, QEventLoop::AllEvents);
}

bool QtWaiter::waitForSound(const std::function<bool()>& done, int milliseconds) {
    const bool open = wait(done, milliseconds, QEventLoop::ExcludeUserInputEvents);
    // Input held back during the sound (a click, a key, the close box) stays
    // in the platform's own queue, which is looked at again only when the loop
    // is woken: else a release would wait for the next move, and a close on an
    // idle table for ever. Woken now, for the wait that follows at once; and
    // again once the posted events are next sent, because a loop further out
    // may spend this wake on its own posted events before it looks at input.
    WakeLoop();
    QMetaObject::invokeMethod(this, &WakeLoop, Qt::QueuedConnection);
    return open;
}

bool QtWaiter::wait(const std::function<bool()>& done, int milliseconds,
                    QEventLoop::ProcessEventsFlags flags) {
    bool timedOut = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&timedOut] { timedOut = true; });
    if (milliseconds >= 0) limit.start(milliseconds);
    // Each pass sleeps until an event (a click, the limit's timer) arrives.
    while (!closing() && !timedOut && !done())
        QCoreApplication::processEvents(flags | QEventLoop::WaitForMoreEvents);
    return !closing();
}

bool QtWaiter::processPending() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !closing();
}

void QtWaiter::waitForInput() {
    // The release may already have been handled (or the press came from a key).
    if (QGuiApplication::mouseButtons() == Qt::NoButton) return;
    sawInput_ = false;
    qApp->installEventFilter(this);
    while (!closing() && !sawInput_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    qApp->removeEventFilter(this);
}

bool QtWaiter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            sawInput_ = true;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
