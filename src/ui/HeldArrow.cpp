#include "ui/HeldArrow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "ui/ButtonLook.h"
#include "ui/PictureControl.h"

HeldArrow::HeldArrow(PictureControl& button, const ControlPainter& painter, Look look,
                     Actions actions)
    : QObject(&button),
      button_(button),
      painter_(painter),
      look_(look),
      actions_(std::move(actions)),
      timer_(new QTimer(this)) {
    timer_->setInterval(arrow_repeat::kFirstRepeatMs);
    connect(timer_, &QTimer::timeout, this, &HeldArrow::tick);
    connect(&button_, &PictureControl::plainLeftPress, this, &HeldArrow::press);
    connect(&button_, &PictureControl::mouseReleased, this, &HeldArrow::release);
    // Space held on the arrow when the focus left: its release goes elsewhere.
    connect(&button_, &PictureControl::pressCancelled, this, &HeldArrow::letGo);
    button_.setFocusPolicy(Qt::TabFocus);
    // Unless its window has named it for what it steps.
    if (button_.spoken().name.isEmpty())
        button_.setSpoken(PictureControl::Spoken::button(look_.up ? QStringLiteral("Up")
                                                                  : QStringLiteral("Down")));
    button_.installEventFilter(this);
    paint(false);
}

void HeldArrow::setHold(Hold hold) {
    hold_ = hold;
    const int released = (button_.tag() - 1) | 1;
    button_.setTag(hold == Hold::Held ? released + 1 : released);
}

bool HeldArrow::isRepeating() const { return timer_->isActive(); }

int HeldArrow::repeatInterval() const { return timer_->interval(); }

void HeldArrow::paint(bool pressed) {
    PaintButtonLook(painter_, button_,
                    ButtonLook::arrow(look_.up, look_.fontUnits, look_.offsetUnits), pressed);
}

// Paints what has changed now, before the click sound holds the handler up.
void HeldArrow::updateWindow() {
    QCoreApplication::sendPostedEvents(button_.window(), QEvent::UpdateRequest);
}

bool HeldArrow::apply(const ArrowStep& result) {
    switch (result.outcome) {
        case ArrowStep::Outcome::Stepped:
            paint(true);
            return true;
        case ArrowStep::Outcome::Unchanged:
            return true;
        case ArrowStep::Outcome::LetGo:
            // Released first: the notice takes the mouse, so the release would
            // never come, and a running timer would step again behind it.
            letGo();
            if (result.notice) result.notice();
            return false;
    }
    return true;
}

void HeldArrow::press() {
    if (isHeld()) return;
    setHold(Hold::Held);
    if (!apply(actions_.step(Phase::Press))) return;
    updateWindow();
    if (actions_.click) actions_.click();
    // The click may have waited in a nested loop that already saw the release.
    if (!isHeld()) return;
    timer_->start(arrow_repeat::kFirstRepeatMs);
}

void HeldArrow::tick() {
    if (!isHeld()) {
        timer_->stop();
        return;
    }
    timer_->setInterval(arrow_repeat::kRepeatEveryMs);
    apply(actions_.step(Phase::Repeat));
}

void HeldArrow::release() {
    if (!isHeld()) return;
    // Stopped before the click, which may wait: no repeat steps behind the release.
    timer_->stop();
    paint(false);
    updateWindow();
    if (actions_.click) actions_.click();
    setHold(Hold::Released);
    if (actions_.released) actions_.released();
}

void HeldArrow::letGo() {
    if (!isHeld()) return;
    timer_->stop();
    setHold(Hold::Released);
    paint(false);
    updateWindow();
    if (actions_.released) actions_.released();
}

bool HeldArrow::eventFilter(QObject* watched, QEvent* event) {
    // Hidden on purpose (not with its window): it will never see its release.
    if (watched == &button_ && event->type() == QEvent::HideToParent) letGo();
    return QObject::eventFilter(watched, event);
}
