#include "ui/PlayPictures.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/state/Board.h"
#include "ui/PictureControl.h"
#include "ui/WindowStyle.h"

namespace {

const QColor kNetLine = ToQColor(palette::kYellow);
const QColor kBand(144, 238, 144, 120);  // a lighter green over the table's green
const QColor kHot = ToQColor(palette::kRed);
const QColor kCold = ToQColor(palette::kBlue);
const QColor kUsual = ToQColor(palette::kSilver);
const QColor kZero = ToQColor(palette::kSilver);
constexpr int kInset = 8;  // clear of the rounded border

// A step of 1, 2 or 5 times a power of ten that cuts `range` into about four.
long double niceStep(long double range) {
    if (range <= 0.0L) return 1.0L;
    const long double rough = range / 4.0L;
    const long double power = std::pow(10.0L, std::floor(std::log10(rough)));
    for (const long double factor : {1.0L, 2.0L, 5.0L})
        if (factor * power >= rough) return factor * power;
    return 10.0L * power;
}

// The area inside the border, less a legend line above and a label line below.
QRect plotArea(QSize size, const QFontMetrics& metrics, int leftLabels) {
    const int line = metrics.height();
    return QRect(QPoint(kInset + leftLabels, kInset + line + line / 2 + 2),
                 QPoint(size.width() - 1 - kInset * 2, size.height() - 1 - kInset - line - 2));
}

QPen dashed() {
    QPen pen(Qt::black, 1, Qt::DashLine);
    return pen;
}

// Swatches and their words along the top, left to right.
struct LegendEntry {
    enum Mark { Line, Dashes, Box } mark;
    QColor colour;
    QString words;
};
void paintLegend(QPainter& p, const QFontMetrics& metrics, int left, int top,
                 std::initializer_list<LegendEntry> entries) {
    const int line = metrics.height();
    int x = left;
    for (const LegendEntry& entry : entries) {
        const QRect swatch(x, top + line / 4, line * 3 / 2, line / 2);
        switch (entry.mark) {
            case LegendEntry::Line:
                p.setPen(QPen(entry.colour, 2));
                p.drawLine(swatch.left(), swatch.center().y(), swatch.right(), swatch.center().y());
                break;
            case LegendEntry::Dashes:
                p.setPen(dashed());
                p.drawLine(swatch.left(), swatch.center().y(), swatch.right(), swatch.center().y());
                break;
            case LegendEntry::Box:
                p.fillRect(swatch, entry.colour);
                break;
        }
        x = swatch.right() + line / 3;
        p.setPen(Qt::black);
        p.drawText(QRect(x, top, metrics.horizontalAdvance(entry.words) + 1, line),
                   Qt::AlignLeft | Qt::AlignVCenter, entry.words);
        x += metrics.horizontalAdvance(entry.words) + line;
    }
}

void paintEmpty(QPainter& p, const QRect& plot) {
    p.setPen(Qt::black);
    p.drawText(plot, Qt::AlignCenter, QStringLiteral("NO GAMES YET"));
}

// One mark of a picture's scale: a tick left of the plot and its label.
void paintScaleMark(QPainter& p, const QFontMetrics& metrics, const QRect& plot, double at,
                    const QString& label) {
    p.drawLine(QPointF(plot.left() - 3, at), QPointF(plot.left(), at));
    p.drawText(
        QRectF(kInset, at - metrics.height() / 2.0, plot.left() - kInset - 4, metrics.height()),
        Qt::AlignRight | Qt::AlignVCenter, label);
}

QString dollars(long double units) { return money::Currency(money::FromUnits(units), 0); }

}  // namespace

NetResultPicture::NetResultPicture(std::vector<stats::NetPoint> points)
    : points_(std::move(points)) {}

NetResultPicture::Frame NetResultPicture::frameFor(QSize size, const QFont& font) const {
    Frame frame;
    for (const stats::NetPoint& point : points_) {
        const auto net = static_cast<long double>(point.net);
        const long double spread = 2.0L * point.deviation;
        frame.low = std::min({frame.low, net, point.expectedNet - spread});
        frame.high = std::max({frame.high, net, point.expectedNet + spread});
    }
    if (frame.high - frame.low < money::kOneDollar) frame.high = frame.low + money::kOneDollar;
    frame.step = niceStep(frame.high - frame.low);
    // The scale runs from a mark at or below the lowest value to one at or above the highest.
    frame.low = std::floor(frame.low / frame.step) * frame.step;
    frame.high = std::ceil(frame.high / frame.step) * frame.step;
    const QFontMetrics metrics(font);
    const int labels = std::max(metrics.horizontalAdvance(dollars(frame.low)),
                                metrics.horizontalAdvance(dollars(frame.high))) +
                       metrics.averageCharWidth();
    frame.plot = plotArea(size, metrics, labels);
    return frame;
}

double NetResultPicture::x(const Frame& frame, std::size_t afterGames) const {
    const auto games = static_cast<double>(std::max<std::size_t>(points_.size(), 1));
    return frame.plot.left() + frame.plot.width() * static_cast<double>(afterGames) / games;
}

QPoint NetResultPicture::pointOf(std::size_t index, QSize size, const QFont& font) const {
    const Frame frame = frameFor(size, font);
    const long double net = points_.at(index).net;
    const long double y =
        frame.plot.bottom() - (net - frame.low) / (frame.high - frame.low) * frame.plot.height();
    return QPointF(x(frame, index + 1), static_cast<double>(y)).toPoint();
}

std::optional<std::size_t> NetResultPicture::gameAt(QPoint at, QSize size,
                                                    const QFont& font) const {
    const Frame frame = frameFor(size, font);
    if (points_.empty() || !frame.plot.adjusted(-4, -4, 4, 4).contains(at)) return std::nullopt;
    const double games = static_cast<double>(points_.size());
    const double after = (at.x() - frame.plot.left()) * games / frame.plot.width();
    const auto nearest = static_cast<long long>(std::lround(after));
    return static_cast<std::size_t>(std::clamp<long long>(nearest, 1, points_.size()) - 1);
}

void NetResultPicture::paint(QImage& image, const QFont& font) const {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    const QFontMetrics metrics(font);
    const Frame frame = frameFor(PictureControl::logicalSize(image), font);
    const QRect& plot = frame.plot;
    paintLegend(p, metrics, plot.left(), kInset,
                {{LegendEntry::Line, kNetLine, QStringLiteral("YOUR NET RESULT")},
                 {LegendEntry::Dashes, Qt::black, QStringLiteral("EXPECTED")},
                 {LegendEntry::Box, kBand, QStringLiteral("TWO STANDARD DEVIATIONS")}});
    if (points_.empty()) return paintEmpty(p, plot);

    auto y = [&](long double units) {
        return static_cast<double>(plot.bottom() -
                                   (units - frame.low) / (frame.high - frame.low) * plot.height());
    };
    // The scale: a mark and its amount at each step.
    p.setPen(Qt::black);
    for (long double mark = frame.low; mark <= frame.high + frame.step / 2; mark += frame.step)
        paintScaleMark(p, metrics, plot, y(mark), dollars(mark));
    p.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), metrics.height()), Qt::AlignLeft,
               QStringLiteral("1"));
    p.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), metrics.height()),
               Qt::AlignHCenter, QStringLiteral("GAMES, OLDEST FIRST"));
    p.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), metrics.height()),
               Qt::AlignRight, QString::number(points_.size()));

    // The band, the expected line and the net result, all from 0 before the first game.
    QPolygonF upper{QPointF(x(frame, 0), y(0))};
    QPolygonF lower{QPointF(x(frame, 0), y(0))};
    QPolygonF expected{QPointF(x(frame, 0), y(0))};
    QPolygonF net{QPointF(x(frame, 0), y(0))};
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const stats::NetPoint& point = points_[i];
        const double at = x(frame, i + 1);
        upper << QPointF(at, y(point.expectedNet + 2 * point.deviation));
        lower << QPointF(at, y(point.expectedNet - 2 * point.deviation));
        expected << QPointF(at, y(point.expectedNet));
        net << QPointF(at, y(point.net));
    }
    std::reverse(lower.begin(), lower.end());
    p.setPen(Qt::NoPen);
    p.setBrush(kBand);
    p.drawPolygon(upper + lower);
    p.setPen(QPen(kZero, 1));
    p.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));
    p.setPen(dashed());
    p.drawPolyline(expected);
    p.setPen(QPen(kNetLine, 2));
    p.drawPolyline(net);
}

BallCountPicture::BallCountPicture(const frequency::BallCounts& counts, int games)
    : counts_(counts), band_(stats::CountBandOf(games)), games_(games) {}

BallCountPicture::Frame BallCountPicture::frameFor(QSize size, const QFont& font) const {
    Frame frame;
    double most = static_cast<double>(band_.high);
    for (int n = 1; n <= board::kNumbers; ++n) most = std::max<double>(most, countOf(n));
    frame.step = static_cast<int>(std::max(1.0L, niceStep(most)));
    frame.top = std::max(1.0, std::ceil(most / frame.step) * frame.step);
    const QFontMetrics metrics(font);
    const int labels = metrics.horizontalAdvance(QString::number(static_cast<int>(frame.top))) +
                       metrics.averageCharWidth();
    frame.plot = plotArea(size, metrics, labels);
    return frame;
}

double BallCountPicture::y(const Frame& frame, double count) const {
    return frame.plot.bottom() - count / frame.top * frame.plot.height();
}

QRect BallCountPicture::barOf(int number, QSize size, const QFont& font) const {
    return barOf(frameFor(size, font), number);
}

QRect BallCountPicture::barOf(const Frame& frame, int number) const {
    const double width = frame.plot.width() / static_cast<double>(board::kNumbers);
    const double left = frame.plot.left() + (number - 1) * width;
    const double top = y(frame, countOf(number));
    return QRectF(QPointF(left, top), QPointF(left + width, frame.plot.bottom())).toRect();
}

std::optional<int> BallCountPicture::numberAt(QPoint at, QSize size, const QFont& font) const {
    const Frame frame = frameFor(size, font);
    if (games_ == 0 || !frame.plot.contains(at)) return std::nullopt;
    const double width = frame.plot.width() / static_cast<double>(board::kNumbers);
    const int number = static_cast<int>((at.x() - frame.plot.left()) / width) + 1;
    return std::clamp(number, 1, board::kNumbers);
}

void BallCountPicture::paint(QImage& image, const QFont& font) const {
    QPainter p(&image);
    p.setFont(font);
    const QFontMetrics metrics(font);
    const Frame frame = frameFor(PictureControl::logicalSize(image), font);
    const QRect& plot = frame.plot;
    paintLegend(p, metrics, plot.left(), kInset,
                {{LegendEntry::Box, kHot, QStringLiteral("HOT")},
                 {LegendEntry::Box, kCold, QStringLiteral("COLD")},
                 {LegendEntry::Dashes, Qt::black, QStringLiteral("EXPECTED")},
                 {LegendEntry::Box, kBand, QStringLiteral("TWO STANDARD DEVIATIONS")}});
    if (games_ == 0) return paintEmpty(p, plot);

    p.setPen(Qt::black);
    for (int mark = 0; mark <= frame.top; mark += frame.step)
        paintScaleMark(p, metrics, plot, y(frame, mark), QString::number(mark));
    const double low = std::max(0.0, static_cast<double>(band_.low));
    p.fillRect(QRectF(QPointF(plot.left(), y(frame, static_cast<double>(band_.high))),
                      QPointF(plot.right(), y(frame, low))),
               kBand);
    for (int n = 1; n <= board::kNumbers; ++n) {
        QRect bar = barOf(frame, n);
        if (bar.width() > 3) bar.adjust(1, 0, -1, 0);
        switch (stats::HeatOf(countOf(n), band_)) {
            case stats::BallHeat::Hot:
                p.fillRect(bar, kHot);
                break;
            case stats::BallHeat::Cold:
                p.fillRect(bar, kCold);
                break;
            case stats::BallHeat::Usual:
                p.fillRect(bar, kUsual);
                break;
        }
        if (n == 1 || n % 10 == 0)
            p.drawText(QRect(bar.center().x() - 20, plot.bottom() + 2, 40, metrics.height()),
                       Qt::AlignHCenter, QString::number(n));
    }
    p.setPen(dashed());
    const double expected = y(frame, static_cast<double>(band_.expected));
    p.drawLine(QPointF(plot.left(), expected), QPointF(plot.right(), expected));
}
