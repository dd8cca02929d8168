#include "ui/PressButton.h"

#include <QCoreApplication>
#include <QEvent>

#include "ui/PictureControl.h"

PressButton::PressButton(PictureControl& button, const ControlPainter& painter, ButtonLook look,
                         std::function<void()> click, std::function<void()> action)
    : QObject(&button),
      button_(button),
      painter_(painter),
      look_(std::move(look)),
      click_(std::move(click)),
      action_(std::move(action)) {
    connect(&button_, &PictureControl::plainLeftPress, this, &PressButton::press);
    connect(&button_, &PictureControl::mouseReleased, this, &PressButton::release);
    connect(&button_, &PictureControl::pressCancelled, this, &PressButton::cancel);
    button_.setFocusPolicy(Qt::TabFocus);
    button_.setSpoken(PictureControl::Spoken::button(look_.caption));
    paint(false);
}

void PressButton::paint(bool pressed) {
    PaintButtonLook(painter_, button_, look_, pressed);
    // Shown before the click sound holds the handler up.
    QCoreApplication::sendPostedEvents(button_.window(), QEvent::UpdateRequest);
}

void PressButton::press() {
    if (pressed_) return;
    pressed_ = true;
    paint(true);
    if (click_) click_();
}

void PressButton::release() {
    if (!pressed_) return;
    pressed_ = false;
    paint(false);
    if (click_) click_();
    if (action_) action_();
}

void PressButton::cancel() {
    if (!pressed_) return;
    pressed_ = false;
    paint(false);
}
