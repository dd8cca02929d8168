#include "ui/WindowScaler.h"

#include <QEvent>
#include <QWidget>

#include "ui/DesignUnits.h"

namespace {
constexpr int kLayoutScreenWidth = 640;
constexpr int kLayoutScreenHeight = 480;
}  // namespace

WindowScaler::WindowScaler(QWidget* client, QSize designSize)
    : QObject(client), client_(client), designSize_(designSize) {
    client_->installEventFilter(this);
}

QSize WindowScaler::clientSizeForScreen(QSize designSize, QSize screen) {
    return {design::ToPixels(screen.width(), designSize.width(), kLayoutScreenWidth),
            design::ToPixels(screen.height(), designSize.height(), kLayoutScreenHeight)};
}

QRect WindowScaler::scaled(const QRect& r, QSize designSize, QSize clientSize) {
    const int w = designSize.width(), h = designSize.height();
    const int cw = clientSize.width(), ch = clientSize.height();
    // Both corners are scaled, so neighbouring controls meet without gaps.
    const int left = design::ToPixels(cw, r.x(), w);
    const int top = design::ToPixels(ch, r.y(), h);
    const int right = design::ToPixels(cw, r.x() + r.width(), w);
    const int bottom = design::ToPixels(ch, r.y() + r.height(), h);
    return {left, top, qMax(1, right - left), qMax(1, bottom - top)};
}

void WindowScaler::place(QWidget* control, const QRect& designRect) {
    placements_.push_back({control, designRect});
    control->setGeometry(scaled(designRect, designSize_, client_->size()));
}

void WindowScaler::fitToScreen(QSize screen) {
    client_->setFixedSize(clientSizeForScreen(designSize_, screen));
    withoutMaximiseButton(*client_->window());
    layOut();
}

void WindowScaler::withoutMaximiseButton(QWidget& window) {
    // A widget not yet given its parent is no window of its own.
    if (!window.isWindow() || window.windowType() == Qt::Widget) return;
    Qt::WindowFlags flags = window.windowFlags();
    // Without the customise hint the desktop's default buttons come, the
    // maximise button among them: ask for the others by name.
    if (!flags.testFlag(Qt::CustomizeWindowHint))
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    flags &= ~Qt::WindowMaximizeButtonHint;
    if (flags == window.windowFlags()) return;
    // New flags hide a shown window.
    const bool shown = window.isVisible();
    window.setWindowFlags(flags);
    if (shown) window.show();
}

void WindowScaler::layOut() {
    for (const Placement& placement : placements_)
        placement.control->setGeometry(scaled(placement.designRect, designSize_, client_->size()));
}

bool WindowScaler::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) layOut();
    return QObject::eventFilter(watched, event);
}
