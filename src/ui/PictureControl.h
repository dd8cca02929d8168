#pragma once

#include <QAccessible>
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/Fonts.h"

// A picture control: owns a bitmap of its own size in device pixels (its
// device pixel ratio set, so a painter on it works in the control's own
// coordinates and a scaled screen gets sharp text and lines) and shows it
// pixel for pixel. Whatever is painted stays until painted over. Every drawing step is kept
// (back to the last one that covered the whole bitmap) so that a resized
// control paints itself again at its new size.
//
// A control that takes the keyboard focus (its owner gives it Qt::TabFocus;
// a click never moves the focus, so the mouse sees no change) shows a focus
// ring over its bitmap, and Space or Enter on it are a left-button press
// with no modifier key: they send mousePressed, so a key takes the very path
// of its mouse twin. Space sends mouseReleased when it comes up, Enter at
// once; a key's auto-repeat is ignored, flagged or not (a press of the key
// already down). When the focus leaves while Space is down, pressCancelled
// comes instead of the release.
class PictureControl : public QWidget {
    Q_OBJECT
  public:
    using Drawing = std::function<void(PictureControl&)>;

    explicit PictureControl(QWidget* parent = nullptr);

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    // The size of a bitmap in the coordinates its painters use: the control's
    // size for a control's bitmap, whatever its device pixel ratio.
    static QSize logicalSize(const QImage& image);

    // Runs a drawing step on the bitmap now and keeps it for a repaint at a
    // new size; a step that covers the whole bitmap forgets the earlier ones.
    void draw(const Drawing& step, bool coversWholeImage);

    // The caption font: name, size in design units (the pixel height follows
    // the window's size), bold, colour; and the colour of the last fill.
    QString fontName = fonts::kTimes;
    int fontUnits = 13;
    bool fontBold = true;
    QColor fontColour = Qt::black;
    QColor fillColour{0, 128, 0};
    // The pixel size of the smallest caption the bitmap shows now; 0 for none.
    int captionPixels = 0;

    // What the control shows and the steps that drew it: taken from a control
    // and shown again on one of the same size without drawing it anew.
    struct Picture {
        QImage image;
        std::vector<Drawing> steps;
        QString fontName;
        int fontUnits = 13;
        bool fontBold = true;
        QColor fontColour;
        QColor fillColour;
        int captionPixels = 0;
    };
    Picture picture() const;
    // Shows a picture as if its steps were drawn here now, and keeps them for
    // a repaint at a new size; false, and nothing changed, when the picture
    // is of another size or device pixel ratio than the control's bitmap.
    bool showPicture(const Picture& picture);

    // What a screen reader is told about the control. The name it reads is
    // the name followed by the value ("Total Price, $5.00").
    struct Spoken {
        QAccessible::Role role = QAccessible::Graphic;
        QString name;
        QString value;        // a value box's amount, a status word
        QString description;  // the state in words: "group 2, drawn, caught"
        bool checkable = false;
        bool checked = false;
        bool operator==(const Spoken&) const = default;

        // A button or arrow called by its caption or what it does.
        static Spoken button(const QString& name) { return as(QAccessible::Button, name); }
        // A text or box: what it is, and what it shows when that changes.
        static Spoken text(const QString& name, const QString& value = {}) {
            Spoken spoken = as(QAccessible::StaticText, name);
            spoken.value = value;
            return spoken;
        }
        // Something marked or not, bet or not, on or off.
        static Spoken checkBox(const QString& name, bool checked, const QString& description = {}) {
            Spoken spoken = as(QAccessible::CheckBox, name);
            spoken.description = description;
            spoken.checkable = true;
            spoken.checked = checked;
            return spoken;
        }
        static Spoken as(QAccessible::Role role, const QString& name) {
            Spoken spoken;
            spoken.role = role;
            spoken.name = name;
            return spoken;
        }
    };
    const Spoken& spoken() const { return spoken_; }
    // Tells the reader what changed.
    void setSpoken(const Spoken& spoken);
    // The name as read: the name, then the value after a comma.
    QString spokenName() const;

  Q_SIGNALS:
    // A button went down (or Space or Enter, see above).
    void mousePressed(Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers);
    // The press every control acts on: the left button alone, no other
    // button or modifier key (Space and Enter are such presses).
    void plainLeftPress();
    void mouseReleased(Qt::MouseButton button, Qt::MouseButtons buttons,
                       Qt::KeyboardModifiers modifiers);
    // Space was down when the focus left: its release will not come here.
    void pressCancelled();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Which key is down on the control: Space holds it pressed, Enter has
    // clicked it and its repeats are ignored until it comes up.
    enum class KeyHold { None, Space, Enter };

    // Makes the bitmap the control's size at its device pixel ratio (the
    // screen's, which changes when the window moves to another screen),
    // painting the kept steps again.
    void fitImage();
    QSize deviceSize() const;

    int tag_ = 0;
    QImage image_;
    std::vector<Drawing> steps_;
    KeyHold keyHold_ = KeyHold::None;
    Spoken spoken_;
};
