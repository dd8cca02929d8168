#include "shell/SplashArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace {

constexpr qreal kDesignWidth = 415.0;
constexpr qreal kDesignHeight = 181.0;

// The picture stretches with its window, but its balls and letters must not:
// each is drawn around an anchor that moves with the stretch, at one scale in
// both directions (the smaller of the two).
class Stretch {
  public:
    explicit Stretch(QSize size)
        : sx_(size.width() / kDesignWidth), sy_(size.height() / kDesignHeight) {}

    template <class Draw>
    void upright(QPainter& p, QPointF anchor, Draw draw) const {
        p.save();
        p.resetTransform();
        p.translate(anchor.x() * sx_, anchor.y() * sy_);
        p.scale(qMin(sx_, sy_), qMin(sx_, sy_));
        p.translate(-anchor);
        draw();
        p.restore();
    }

  private:
    qreal sx_, sy_;
};

}  // namespace

void PaintSplashBall(QPainter& p, const SplashBall& b, QPointF centre, qreal turn) {
    // Shadow on the felt.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(centre + QPointF(b.radius * 0.25, b.radius * 0.8), b.radius * 0.9,
                  b.radius * 0.35);
    // Shaded sphere, lit from the upper left.
    QRadialGradient shade(centre - QPointF(b.radius * 0.4, b.radius * 0.45), b.radius * 1.5);
    shade.setColorAt(0.0, b.colour.lighter(190));
    shade.setColorAt(0.35, b.colour);
    shade.setColorAt(1.0, b.colour.darker(260));
    p.setBrush(shade);
    p.drawEllipse(centre, b.radius, b.radius);
    // White number disc with the number.
    p.setBrush(QColor(250, 250, 245));
    p.drawEllipse(centre, b.radius * 0.5, b.radius * 0.5);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(qMax(4, static_cast<int>(b.radius * 0.55)));
    p.save();
    p.translate(centre);
    p.rotate(turn);
    p.setFont(font);
    p.setPen(QColor(30, 30, 30));
    const QRectF disc(-b.radius * 0.5, -b.radius * 0.5, b.radius, b.radius);
    p.drawText(disc, Qt::AlignCenter, QString::number(b.number));
    p.restore();
    // Gloss.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(centre - QPointF(b.radius * 0.45, b.radius * 0.55), b.radius * 0.28,
                  b.radius * 0.16);
}

const std::array<SplashBall, 7>& SplashBalls() {
    static const std::array<SplashBall, 7> balls{{{40, 145, 22, 7, QColor(220, 30, 30)},
                                                  {95, 152, 19, 23, QColor(20, 60, 220)},
                                                  {150, 140, 24, 41, QColor(250, 190, 0)},
                                                  {207, 150, 21, 80, QColor(150, 0, 150)},
                                                  {262, 141, 24, 12, QColor(0, 160, 70)},
                                                  {318, 152, 19, 66, QColor(240, 110, 0)},
                                                  {372, 144, 22, 35, QColor(0, 150, 200)}}};
    return balls;
}

namespace {

void paintBoardHint(QPainter& p, const Stretch& stretch) {
    // A faint grid of the 80 numbers behind everything.
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(9);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 28));
    for (int n = 1; n <= 80; ++n) {
        const int column = (n - 1) % 10, row = (n - 1) / 10;
        const QRectF cell(8 + column * 40.0, 6 + row * 21.0, 40, 21);
        stretch.upright(p, cell.center(),
                        [&] { p.drawText(cell, Qt::AlignCenter, QString::number(n)); });
    }
}

void paintTitle(QPainter& p, const Stretch& stretch) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(62);
    QPainterPath title;
    title.addText(0, 0, font, QStringLiteral("Velloro"));
    const QRectF bounds = title.boundingRect();
    title.translate(207.5 - bounds.center().x(), 78 - bounds.bottom() + bounds.height() * 0.1);
    stretch.upright(p, title.boundingRect().center(), [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 110));
        p.drawPath(title.translated(3, 3));
        QLinearGradient gold(0, title.boundingRect().top(), 0, title.boundingRect().bottom());
        gold.setColorAt(0.0, QColor(255, 246, 180));
        gold.setColorAt(0.5, QColor(240, 190, 40));
        gold.setColorAt(1.0, QColor(170, 110, 10));
        p.setBrush(gold);
        p.setPen(QPen(QColor(90, 50, 0), 1.2));
        p.drawPath(title);
    });

    QFont small(QStringLiteral("Arial"));
    small.setBold(true);
    small.setPixelSize(12);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 5);
    p.setFont(small);
    p.setPen(QColor(255, 240, 200));
    const QRectF line(0, 84, kDesignWidth, 16);
    stretch.upright(p, line.center(), [&] {
        p.drawText(line, Qt::AlignHCenter,
                   QStringLiteral("KENO  \u2022  80 NUMBERS  \u2022  20 BALLS"));
    });
}

}  // namespace

QImage PaintSplashPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size.width() / kDesignWidth, size.height() / kDesignHeight);
    const Stretch stretch(size);

    QRadialGradient felt(QPointF(207, 70), 300);
    felt.setColorAt(0.0, QColor(20, 150, 60));
    felt.setColorAt(1.0, QColor(0, 60, 20));
    p.fillRect(QRectF(0, 0, 415, 181), felt);
    paintBoardHint(p, stretch);

    // Fuchsia and gold bands, as on the game table's frames.
    p.fillRect(QRectF(0, 104, 415, 3), QColor(255, 0, 255));
    p.fillRect(QRectF(0, 108, 415, 1), QColor(240, 190, 40));

    paintTitle(p, stretch);

    for (const SplashBall& ball : SplashBalls())
        stretch.upright(p, QPointF(ball.x, ball.y),
                        [&] { PaintSplashBall(p, ball, QPointF(ball.x, ball.y)); });
    return image;
}
