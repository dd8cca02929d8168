#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

// Keeps a window in proportion: its client area is sized from the screen as
// its design size is to a 640 x 480 screen, and its controls are placed from
// design-unit rectangles scaled to the current client size whenever it changes.
class WindowScaler : public QObject {
    Q_OBJECT
  public:
    // client: the widget whose size is the window's client area.
    WindowScaler(QWidget* client, QSize designSize);

    QSize designSize() const { return designSize_; }

    // Client size on a screen of this size: design size x screen / (640, 480).
    static QSize clientSizeForScreen(QSize designSize, QSize screen);
    // A design rectangle scaled from designSize to clientSize, halves to even.
    static QRect scaled(const QRect& designRect, QSize designSize, QSize clientSize);

    // Places control at a design rectangle relative to its parent.
    void place(QWidget* control, const QRect& designRect);
    // Sizes the client area for the primary screen (or the given screen size).
    void fitToScreen(QSize screen);
    // Places every registered control for the current client size.
    void layOut();
    // A window of a fixed size offers no maximise button (a compositor that
    // draws the decorations itself would otherwise offer one).
    static void withoutMaximiseButton(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Placement {
        QWidget* control = nullptr;
        QRect designRect;
    };
    QWidget* client_ = nullptr;
    QSize designSize_;
    std::vector<Placement> placements_;
};
