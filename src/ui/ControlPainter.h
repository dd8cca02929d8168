#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>

#include "ui/PaintCodes.h"
#include "ui/WindowStyle.h"

class PictureControl;
class QImage;

// The painting operations of one window's picture controls: bevels in the
// five styles, caption fonts scaled from design units, and captions. Each
// window owns one, made from its WindowStyle and its current client height.
// What it paints on a control is kept by the control as steps that hold
// copies of the values they need (never a pointer to this painter), so a
// control repaints itself at a new size on its own.
class ControlPainter {
  public:
    // clientHeight: the window's current client height; a control painted
    // through this painter must not outlive the window that function reads.
    ControlPainter(const WindowStyle& style, std::function<int()> clientHeight, int bevelWidth);

    // The window's style: design height, bevel colours, alignments offered.
    const WindowStyle& style() const { return style_; }
    // Thickness of every bevel line pass, in pixels.
    int bevelWidth() const { return bevelWidth_; }
    // Sets the bevel thickness for what is painted from now on.
    void setBevelWidth(int bevelWidth) { bevelWidth_ = bevelWidth; }
    // A design length in pixels at the window's current client height.
    int units(double designUnits) const;

    // Fills the control in the style's colour and draws its bevel.
    void paintBevel(PictureControl& control, BevelStyle style) const;
    // The control's caption size in design units and its face.
    void setCaptionFont(PictureControl& control, int sizeUnits,
                        FontStyle fontStyle = FontStyle::Bold) const;
    // Text in a colour and font at an alignment and a vertical offset in design units.
    void paintCaption(PictureControl& control, const QColor& colour, const QString& text,
                      const QString& fontName, CaptionAlignment alignment, int offsetUnits) const;
    // A bold font of this family, sized in design units, for the window's labels and texts.
    QFont boldFont(const QString& family, int sizeUnits) const;
    // Fills the whole control with a plain colour (the information boxes).
    void fill(PictureControl& control, const QColor& colour) const;
    // A green box with a black rounded border, as the main window's bet boxes.
    void paintRoundedBox(PictureControl& control, const QColor& fill) const;

    // The bevel alone, on any image: base fill then BevelWidth lines per edge,
    // the width in the image's logical pixels (lines of one device pixel).
    static void paintBevel(QImage& image, const QColor& base, BevelStyle style, int bevelWidth);
    // A new image of this logical size at this device pixel ratio, bevelled.
    static QImage bevelImage(QSize size, qreal ratio, const QColor& base, BevelStyle style,
                             int bevelWidth);

  private:
    struct Caption {
        QColor colour;
        QString text;
        QString fontName;
        CaptionAlignment alignment = CaptionAlignment::Centre;
        int offsetUnits = 0;
        int fontUnits = 13;
        bool bold = true;
    };
    void drawCaption(PictureControl& control, const Caption& caption) const;

    WindowStyle style_;
    std::function<int()> clientHeight_;
    int bevelWidth_ = 5;
};
