#include "ui/PictureControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <utility>

#include "ui/AccessibleControl.h"
#include "ui/FocusFrame.h"

PictureControl::PictureControl(QWidget* parent) : QWidget(parent) {
    accessible_control::Install();
    // The bitmap covers the whole control: what lies under it is never
    // painted first, and an update of a control leaves its parent alone.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every way of pressing (the mouse, a key, a screen reader) goes through
    // mousePressed; the one test of a plain press is here.
    connect(
        this, &PictureControl::mousePressed, this,
        [this](Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
            if (button == Qt::LeftButton && buttons == Qt::LeftButton &&
                modifiers == Qt::NoModifier)
                Q_EMIT plainLeftPress();
        });
    image_ = QImage(qMax(1, width()), qMax(1, height()), QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void PictureControl::draw(const Drawing& step, bool coversWholeImage) {
    fitImage();
    if (coversWholeImage) {
        steps_.clear();
        captionPixels = 0;
    }
    steps_.push_back(step);
    step(*this);
    update();
}

PictureControl::Picture PictureControl::picture() const {
    return {image_, steps_, fontName, fontUnits, fontBold, fontColour, fillColour, captionPixels};
}

bool PictureControl::showPicture(const Picture& picture) {
    if (width() <= 0 || height() <= 0 || picture.image.size() != deviceSize() ||
        picture.image.devicePixelRatio() != devicePixelRatioF())
        return false;
    image_ = picture.image;
    steps_ = picture.steps;
    fontName = picture.fontName;
    fontUnits = picture.fontUnits;
    fontBold = picture.fontBold;
    fontColour = picture.fontColour;
    fillColour = picture.fillColour;
    captionPixels = picture.captionPixels;
    update();
    return true;
}

QSize PictureControl::logicalSize(const QImage& image) {
    // The device size is rounded up from the logical one, by less than one
    // device pixel: flooring gives the logical size back at any ratio of 1 or more.
    const QSizeF size = image.deviceIndependentSize();
    return {static_cast<int>(std::floor(size.width() + 1e-6)),
            static_cast<int>(std::floor(size.height() + 1e-6))};
}

QSize PictureControl::deviceSize() const {
    const qreal ratio = devicePixelRatioF();
    return {static_cast<int>(std::ceil(width() * ratio - 1e-6)),
            static_cast<int>(std::ceil(height() * ratio - 1e-6))};
}

void PictureControl::paintEvent(QPaintEvent*) {
    fitImage();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
    if (hasFocus()) focus_frame::Paint(painter, rect(), screen()->size().height());
}

void PictureControl::resizeEvent(QResizeEvent*) { fitImage(); }

void PictureControl::fitImage() {
    const qreal ratio = devicePixelRatioF();
    if ((image_.size() == deviceSize() && image_.devicePixelRatio() == ratio) || width() <= 0 ||
        height() <= 0)
        return;
    // What no kept step paints over keeps the old picture, stretched.
    image_ = image_.scaled(deviceSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image_.setDevicePixelRatio(ratio);
    const std::vector<Drawing> steps = steps_;
    captionPixels = 0;
    for (const Drawing& step : steps) step(*this);
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    Q_EMIT mousePressed(event->button(), event->buttons(), event->modifiers());
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(event->button(), event->buttons(), event->modifiers());
}

// Space and Enter press like the left button; the arrow keys go from control
// to control as Tab and Shift+Tab do. Anything else is left to the window
// (Escape, shortcuts, the menus' letters).
void PictureControl::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Space:
            if (!event->isAutoRepeat() && keyHold_ == KeyHold::None) {
                keyHold_ = KeyHold::Space;
                Q_EMIT mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            }
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!event->isAutoRepeat() && keyHold_ == KeyHold::None) {
                keyHold_ = KeyHold::Enter;
                Q_EMIT mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                Q_EMIT mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            }
            return;
        case Qt::Key_Left:
        case Qt::Key_Up:
            focusNextPrevChild(false);
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
            focusNextPrevChild(true);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void PictureControl::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && keyHold_ == KeyHold::Space) {
        keyHold_ = KeyHold::None;
        Q_EMIT mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat() && keyHold_ == KeyHold::Enter) {
        keyHold_ = KeyHold::None;
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void PictureControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PictureControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
    const KeyHold held = std::exchange(keyHold_, KeyHold::None);
    if (held == KeyHold::Space) Q_EMIT pressCancelled();
}

void PictureControl::setSpoken(const Spoken& spoken) {
    if (spoken == spoken_) return;
    const Spoken before = spoken_;
    spoken_ = spoken;
    if (!QAccessible::isActive()) return;
    if (spoken.name != before.name || spoken.value != before.value) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
    if (spoken.description != before.description) {
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    if (spoken.value != before.value) {
        QAccessibleValueChangeEvent valued(this, spoken.value);
        QAccessible::updateAccessibility(&valued);
    }
    if (spoken.checked != before.checked || spoken.checkable != before.checkable) {
        QAccessible::State changed;
        changed.checked = true;
        changed.checkable = spoken.checkable != before.checkable;
        QAccessibleStateChangeEvent stated(this, changed);
        QAccessible::updateAccessibility(&stated);
    }
}

QString PictureControl::spokenName() const {
    return spoken_.value.isEmpty() ? spoken_.name
                                   : spoken_.name + QStringLiteral(", ") + spoken_.value;
}
