#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/Fonts.h"

// A picture control: owns a bitmap of its own size and shows it stretched.
// Whatever is painted stays until painted over. Every drawing step is kept
// (back to the last one that covered the whole bitmap) so that a resized
// control paints itself again at its new size.
class ImageButton : public QWidget {
    Q_OBJECT
  public:
    using Drawing = std::function<void(ImageButton&)>;

    explicit ImageButton(QWidget* parent = nullptr);

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

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

  Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers);
    void mouseReleased(Qt::MouseButton button, Qt::MouseButtons buttons,
                       Qt::KeyboardModifiers modifiers);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // Makes the bitmap the control's size, painting the kept steps again.
    void fitImage();

    int tag_ = 0;
    QImage image_;
    std::vector<Drawing> steps_;
};
