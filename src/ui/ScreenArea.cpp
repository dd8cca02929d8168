#include "ui/ScreenArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace screen_area {

QRect Within(const QRect& available) {
    const int height = qMin(available.height(), available.width() * 3 / 4);
    return {available.left(), available.top() + (available.height() - height) / 2,
            available.width(), height};
}

QRect Of(const QScreen* screen) {
    return screen != nullptr ? Within(screen->availableGeometry()) : QRect(0, 0, 640, 480);
}

QRect Of(const QWidget* widget) {
    return Of(widget != nullptr && widget->screen() != nullptr ? widget->screen()
                                                               : QGuiApplication::primaryScreen());
}

QPoint Centred(const QRect& area, QSize outer) {
    return area.topLeft() +
           QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
}

bool WindowsArePlaceable() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace screen_area
