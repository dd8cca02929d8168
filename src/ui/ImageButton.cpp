#include "ui/ImageButton.h"

#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(QWidget* parent) : QWidget(parent) {
    image_ = QImage(qMax(1, width()), qMax(1, height()), QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void ImageButton::draw(const Drawing& step, bool coversWholeImage) {
    fitImage();
    if (coversWholeImage) {
        steps_.clear();
        captionPixels = 0;
    }
    steps_.push_back(step);
    step(*this);
    update();
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), image_);
}

void ImageButton::resizeEvent(QResizeEvent*) { fitImage(); }

void ImageButton::fitImage() {
    if (image_.size() == size() || width() <= 0 || height() <= 0) return;
    // Until it is painted again at the new size it shows the old picture stretched.
    image_ = image_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const std::vector<Drawing> steps = steps_;
    captionPixels = 0;
    for (const Drawing& step : steps) step(*this);
    update();
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    Q_EMIT mousePressed(event->button(), event->buttons(), event->modifiers());
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(event->button(), event->buttons(), event->modifiers());
}
