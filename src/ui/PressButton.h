#pragma once

#include <QObject>
#include <functional>

#include "ui/ButtonLook.h"

class ControlPainter;
class PictureControl;

// A painted push button (SHOW, CANCEL, PREVIOUS, NEXT): the pressed look and a
// click when the left button goes down alone, then the raised look and a click
// when it comes up, then the button's action.
class PressButton : public QObject {
    Q_OBJECT
  public:
    // Takes over `button`: paints it raised and follows its mouse and keys (it
    // becomes a Tab stop: Space or Enter press it). Lives as the
    // button's child; `painter` must outlive it.
    PressButton(PictureControl& button, const ControlPainter& painter, ButtonLook look,
                std::function<void()> click, std::function<void()> action);

    // The picture control this button drives.
    PictureControl& button() const { return button_; }
    // True from a press until its release.
    bool isPressed() const { return pressed_; }

    // A plain left press; none while it is already pressed.
    void press();
    // The mouse came up: raised look, click, then the action.
    void release();
    // The press came to nothing (the focus left while Space was down): raised, no action.
    void cancel();

  private:
    void paint(bool pressed);

    PictureControl& button_;
    const ControlPainter& painter_;
    ButtonLook look_;
    std::function<void()> click_;
    std::function<void()> action_;
    bool pressed_ = false;
};
