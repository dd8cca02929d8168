#include "ui/ControlPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "ui/DesignUnits.h"
#include "ui/Glyphs.h"
#include "ui/PictureControl.h"

namespace {

QColor shifted(const QColor& base, int amount) {
    auto channel = [amount](int value) { return qBound(0, value + amount, 255); };
    return QColor(channel(base.red()), channel(base.green()), channel(base.blue()));
}

// One-pixel lines without smoothing, so every bevel line is exactly one pixel.
void column(QPainter& p, int x, int yFrom, int yTo, const QColor& c) {
    if (yTo >= yFrom) p.fillRect(QRect(x, yFrom, 1, yTo - yFrom + 1), c);
}
void row(QPainter& p, int y, int xFrom, int xTo, const QColor& c) {
    if (xTo >= xFrom) p.fillRect(QRect(xFrom, y, xTo - xFrom + 1, 1), c);
}

// Paints on the image in its device pixels, whatever its device pixel
// ratio: paint is given a painter and that ratio.
void inDevicePixels(QImage& image, const std::function<void(QPainter&, qreal)>& paint) {
    const qreal ratio = image.devicePixelRatio();
    image.setDevicePixelRatio(1);
    {
        QPainter p(&image);
        paint(p, ratio);
    }
    image.setDevicePixelRatio(ratio);
}

constexpr int kCheckUnits = 27;
constexpr int kCellNumberUnits = 23;
constexpr int kKindCodeUnits = 80;
constexpr int kWaySummaryUnits = 13;
constexpr int kWaySummaryLength = 255;

}  // namespace

ControlPainter::ControlPainter(const WindowStyle& style, std::function<int()> clientHeight,
                               int bevelWidth)
    : style_(style), clientHeight_(std::move(clientHeight)), bevelWidth_(bevelWidth) {}

int ControlPainter::units(double designUnits) const {
    return design::ToPixels(clientHeight_ ? clientHeight_() : style_.designHeight, designUnits,
                            style_.designHeight);
}

QFont ControlPainter::boldFont(const QString& family, int sizeUnits) const {
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(qMax(1, units(sizeUnits)));
    return font;
}

void ControlPainter::paintBevel(QImage& image, const QColor& base, BevelStyle style,
                                int bevelWidth) {
    // Every line is one device pixel: on a scaled screen the bevel has as
    // many lines as the scale asks for, each as sharp as on an unscaled one.
    inDevicePixels(image, [&image, &base, style, bevelWidth](QPainter& p, qreal ratio) {
        const int lines = static_cast<int>(std::nearbyint(bevelWidth * ratio));
        p.fillRect(image.rect(), base);
        const std::vector<int> amounts = design::BevelAmounts(lines);
        const bool raised = IsRaised(style);
        const int left = 0, top = 0, right = image.width(), bottom = image.height();
        for (int g = 1; g <= lines; ++g) {
            const int amount = amounts[static_cast<std::size_t>(g - 1)];
            const QColor c = shifted(base, raised ? amount : -amount);
            // Up the left edge, then along the top; the far end points are left out.
            column(p, left + g - 1, top + g - 1, bottom - g, c);
            row(p, top + g - 1, left + g - 1, right - g, c);
        }
        for (int m = 1; m <= lines; ++m) {
            const int amount = amounts[static_cast<std::size_t>(m - 1)];
            const QColor c = shifted(base, raised ? -amount : amount);
            // Down the right edge, then back along the bottom.
            column(p, right - m, top + m, bottom - m, c);
            row(p, bottom - m, left + m, right - m, c);
        }
    });
}

QImage ControlPainter::bevelImage(QSize size, qreal ratio, const QColor& base, BevelStyle style,
                                  int bevelWidth) {
    QImage image(static_cast<int>(std::ceil(size.width() * ratio - 1e-6)),
                 static_cast<int>(std::ceil(size.height() * ratio - 1e-6)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    paintBevel(image, base, style, bevelWidth);
    return image;
}

void ControlPainter::paintBevel(PictureControl& control, BevelStyle style) const {
    const QColor base = style_.colourOf(style);
    const int bevel = bevelWidth_;
    control.draw(
        [base, style, bevel](PictureControl& c) {
            c.fillColour = base;
            paintBevel(c.image(), base, style, bevel);
        },
        true);
}

void ControlPainter::setCaptionFont(PictureControl& control, int sizeUnits,
                                    FontStyle fontStyle) const {
    control.fontUnits = sizeUnits;
    control.fontBold = fontStyle == FontStyle::Bold;
}

void ControlPainter::paintCaption(PictureControl& control, const QColor& colour,
                                  const QString& text, const QString& fontName,
                                  CaptionAlignment alignment, int offsetUnits) const {
    if (!style_.offers(alignment)) alignment = CaptionAlignment::Centre;
    const Caption caption{
        colour, text, fontName, alignment, offsetUnits, control.fontUnits, control.fontBold};
    // The step keeps its own copy of this painter: it may run again at any
    // later resize of the control.
    control.draw([painter = *this, caption](PictureControl& c) { painter.drawCaption(c, caption); },
                 alignment == CaptionAlignment::WaySummary);
}

void ControlPainter::drawCaption(PictureControl& control, const Caption& caption) const {
    const CaptionAlignment alignment = caption.alignment;
    control.fontName = caption.fontName;
    control.fontColour = caption.colour;
    int heightUnits = caption.fontUnits;
    if (alignment == CaptionAlignment::CheckGlyph) heightUnits = kCheckUnits;
    if (alignment == CaptionAlignment::KindCode) heightUnits = kKindCodeUnits;
    if (alignment == CaptionAlignment::WaySummary) heightUnits = kWaySummaryUnits;
    if (alignment == CaptionAlignment::CheckGlyph) control.fontUnits = kCellNumberUnits;

    const ResolvedText resolved = glyphs::Resolve(caption.fontName, caption.text);
    QFont font(resolved.family);
    // A negative height in the caption font is a character height: the em size.
    font.setPixelSize(qMax(1, units(heightUnits)));
    font.setBold(caption.bold);
    control.captionPixels = control.captionPixels == 0
                                ? font.pixelSize()
                                : qMin(control.captionPixels, font.pixelSize());
    font.setStyleStrategy(QFont::PreferAntialias);

    QImage& image = control.image();
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(caption.colour);
    const QFontMetrics metrics(font);
    const int top = units(caption.offsetUnits);
    const int y = top + metrics.ascent();
    const QRect area(QPoint(0, 0), PictureControl::logicalSize(image));
    const int width = area.width();
    if (resolved.family != caption.fontName && alignment != CaptionAlignment::WaySummary) {
        // Symbol glyphs come from another font with other metrics: place the
        // glyph itself where the symbol font drew it, in the middle of a text
        // line whose top is at the offset (a line is about 1.1 em high).
        const QRect ink = metrics.tightBoundingRect(resolved.text);
        const double middle = top + 0.55 * font.pixelSize();
        const int baseline = static_cast<int>(std::lround(middle - ink.center().y()));
        int x = (width + 1) / 2 - ink.width() / 2 - ink.left();
        if (alignment == CaptionAlignment::Left) x = -ink.left();
        if (alignment == CaptionAlignment::Right) x = width - 1 - ink.right();
        p.drawText(x, baseline, resolved.text);
        return;
    }
    switch (alignment) {
        case CaptionAlignment::Left:
            p.drawText(0, y, resolved.text);
            break;
        case CaptionAlignment::Right:
            p.drawText(width - 1 - metrics.horizontalAdvance(resolved.text), y, resolved.text);
            break;
        case CaptionAlignment::WaySummary:
            p.fillRect(area, control.fillColour);
            p.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                       resolved.text.left(kWaySummaryLength));
            break;
        case CaptionAlignment::Centre:
        case CaptionAlignment::CheckGlyph:
        case CaptionAlignment::KindCode:
            p.drawText((width + 1) / 2 - metrics.horizontalAdvance(resolved.text) / 2, y,
                       resolved.text);
            break;
    }
}

void ControlPainter::fill(PictureControl& control, const QColor& colour) const {
    control.draw(
        [colour](PictureControl& c) {
            c.fillColour = colour;
            c.image().fill(colour);
        },
        true);
}

void ControlPainter::paintRoundedBox(PictureControl& control, const QColor& fill) const {
    const int bevel = bevelWidth_;
    control.draw(
        [fill, bevel](PictureControl& c) {
            c.fillColour = fill;
            QImage& image = c.image();
            image.fill(fill);
            // In device pixels, as the bevels: the border's edges lie on
            // whole pixels at any scale.
            inDevicePixels(image, [&image, bevel](QPainter& p, qreal ratio) {
                const int width = static_cast<int>(std::nearbyint(bevel * ratio));
                p.setRenderHint(QPainter::Antialiasing);
                const int penWidth = static_cast<int>(std::nearbyint(width * 0.5)) + 1;
                p.setPen(QPen(Qt::black, penWidth));
                p.setBrush(Qt::NoBrush);
                const qreal inset = penWidth / 2.0;
                p.drawRoundedRect(QRectF(image.rect()).adjusted(inset, inset, -inset, -inset),
                                  width, width);
            });
        },
        true);
}
