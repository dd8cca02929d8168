#include "ui/ScreenArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace screen_area {

QRect within(const QRect& available) {
    const int height = qMin(available.height(), available.width() * 3 / 4);
    return {available.left(), available.top() + (available.height() - height) / 2,
            available.width(), height};
}

QRect of(const QScreen* screen) {
    return screen != nullptr ? within(screen->availableGeometry()) : QRect(0, 0, 640, 480);
}

QRect of(const QWidget* widget) {
    return of(widget != nullptr && widget->screen() != nullptr ? widget->screen()
                                                               : QGuiApplication::primaryScreen());
}

QPoint centred(const QRect& area, QSize outer) {
    return area.topLeft() +
           QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
}

bool windowsArePlaceable() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace screen_area
