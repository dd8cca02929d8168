#pragma once

#include <QColor>
#include <QString>
#include <functional>

#include "ui/WindowStyle.h"

class ImageButton;
class QImage;

// The painting operations of one window's picture controls: bevels in the
// five styles, caption fonts scaled from design units, and captions. Each
// window owns one, made from its WindowStyle and its current client height.
class ControlPainter {
  public:
    ControlPainter(const WindowStyle& style, std::function<int()> clientHeight, int bevelWidth);

    const WindowStyle& style() const { return style_; }
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int bevelWidth) { bevelWidth_ = bevelWidth; }
    // A design length in pixels at the window's current client height.
    int units(double designUnits) const;

    // Fills the control in the style's colour and draws its bevel.
    void PaintBevel(ImageButton& control, int style) const;
    // Caption size in design units; style bit 0 = bold (the only one used).
    void SetCaptionFont(ImageButton& control, int sizeUnits, int styleBit = 0) const;
    // Text in colour and font at an alignment (0..5, see below) and a vertical offset.
    void PaintCaption(ImageButton& control, const QColor& colour, const QString& text,
                      const QString& fontName, int alignment, int offsetUnits) const;
    // Fills the whole control with a plain colour (the information boxes).
    void Fill(ImageButton& control, const QColor& colour) const;
    // A green box with a black rounded border, as the main window's bet boxes.
    void PaintRoundedBox(ImageButton& control, const QColor& fill) const;

    // The bevel alone, on any image: base fill then BevelWidth lines per edge.
    static void paintBevel(QImage& image, const QColor& base, int style, int bevelWidth);

  private:
    void drawCaption(ImageButton& control, const QColor& colour, const QString& text,
                     const QString& fontName, int alignment, int offsetUnits, int fontUnits) const;

    WindowStyle style_;
    std::function<int()> clientHeight_;
    int bevelWidth_ = 5;
};
