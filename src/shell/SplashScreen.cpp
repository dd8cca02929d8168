#include "shell/SplashScreen.h"

#include <QPainter>

#include "shell/SplashArt.h"
#include "ui/WindowScaler.h"

SplashScreen::SplashScreen(QSize screen, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    const QSize size = WindowScaler::clientSizeForScreen({kDesignWidth, kDesignHeight}, screen);
    setFixedSize(size);
    // Painted at twice the size so it stays crisp when stretched.
    picture_ = PaintSplashPicture(size * 2);
    move((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
}

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), picture_);
    // Raised frame: light top and left, dark bottom and right.
    const QRect r = rect();
    for (int i = 0; i < 3; ++i) {
        const QColor light(255, 255, 255, 200 - i * 50), dark(0, 0, 0, 200 - i * 50);
        p.setPen(light);
        p.drawLine(r.left() + i, r.bottom() - i, r.left() + i, r.top() + i);
        p.drawLine(r.left() + i, r.top() + i, r.right() - i, r.top() + i);
        p.setPen(dark);
        p.drawLine(r.right() - i, r.top() + i, r.right() - i, r.bottom() - i);
        p.drawLine(r.right() - i, r.bottom() - i, r.left() + i, r.bottom() - i);
    }
}
