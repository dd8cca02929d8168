#pragma once

#include <QObject>
#include <functional>

#include "ui/ControlPainter.h"

class PictureControl;
class QTimer;

// How a held arrow repeats, for every window: the first repeat comes this
// long after the press, the following ones this often.
namespace arrow_repeat {
inline constexpr int kFirstRepeatMs = 500;
inline constexpr int kRepeatEveryMs = 50;
}  // namespace arrow_repeat

// What one step of an arrow did, and so what the arrow does next.
struct ArrowStep {
    enum class Outcome {
        Stepped,    // a value changed: the arrow shows pressed and goes on repeating
        Unchanged,  // a limit held it back: nothing is painted, the arrow stays held
        LetGo,      // the arrow lets go and stops repeating, then the notice is shown
    };
    Outcome outcome = Outcome::Stepped;
    std::function<void()> notice;  // with LetGo: a modal message, run after the release

    static ArrowStep stepped() { return {Outcome::Stepped, {}}; }
    static ArrowStep unchanged() { return {Outcome::Unchanged, {}}; }
    static ArrowStep letGoThen(std::function<void()> notice) {
        return {Outcome::LetGo, std::move(notice)};
    }
};

// One arrow (or scroll button) that steps when pressed and repeats while held.
// It owns the arrow's whole press cycle: the tag (odd released, even pressed),
// the pressed and released looks, the repeat timer, the click sound and the
// release. A step that opens a notice is released before the notice opens,
// and an arrow that is hidden while held lets go, so no repeat outlives it.
class HeldArrow : public QObject {
    Q_OBJECT
  public:
    // Which step is asked for: the press's own, or a repeat while held.
    enum class Phase { Press, Repeat };

    // The arrowhead and how large it is drawn (bold, centred).
    struct Look {
        bool up = true;       // up or down arrowhead
        int fontUnits = 13;   // glyph size in design units
        int offsetUnits = 1;  // glyph top in design units
    };

    // What the window does at each moment of the press cycle.
    struct Actions {
        std::function<ArrowStep(Phase)> step;  // one step of the arrow (required)
        std::function<void()> click;           // the click sound of a press and of a release
        std::function<void()> released;        // after every let-go: mouse, notice or hiding
    };

    // Takes over `button` (whose tag must be odd): paints it released, follows
    // its mouse, its keys (it becomes a Tab stop; Space held repeats) and hiding. Lives as the
    // button's child; `painter` must outlive it.
    HeldArrow(PictureControl& button, const ControlPainter& painter, Look look, Actions actions);

    // The picture control this arrow drives.
    PictureControl& button() const { return button_; }
    // True from a press until the arrow lets go.
    bool isHeld() const { return hold_ == Hold::Held; }
    // True while the repeat timer runs.
    bool isRepeating() const;
    // Milliseconds between the timer's ticks as it stands (500 after a press, 50 once repeating).
    int repeatInterval() const;

    // Paints the released or the pressed look.
    void paint(bool pressed);
    // A plain left press of the arrow; none while it is already held.
    void press();
    // The repeat timer fired: one more step of the held arrow.
    void tick();
    // The mouse came up: released look, click, and the repeat stops.
    void release();
    // Lets go without a click (the arrow is hidden, or a notice is coming).
    void letGo();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Hold { Released, Held };

    // Paints after a step and tells whether the arrow is still held.
    bool apply(const ArrowStep& result);
    void updateWindow();
    // The button's tag follows: odd released, the next even number held.
    void setHold(Hold hold);

    PictureControl& button_;
    const ControlPainter& painter_;
    Look look_;
    Actions actions_;
    QTimer* timer_ = nullptr;
    Hold hold_ = Hold::Released;
};
