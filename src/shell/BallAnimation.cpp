#include "shell/BallAnimation.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "shell/SplashArt.h"

namespace {

// The balls sit this much higher on the strip than on the splash.
constexpr qreal kLift = 112.0;
constexpr int kDropEvery = 6;  // frames between one ball's drop and the next one's
constexpr int kDropFrames = 24;
constexpr int kRollFrom = 135;  // the frame the balls start to roll away
constexpr int kRollFrames = BallAnimation::kFramesPerRound - kRollFrom;
// Far enough right that the last ball is gone before the round ends.
constexpr qreal kRollDistance = BallAnimation::kWidth + 60.0;

// How far down a dropped ball has come, 0 to 1, at time t (0 to 1): it falls,
// hits the felt and bounces three times, each lower.
qreal bounce(qreal t) {
    constexpr qreal n = 7.5625, d = 2.75;
    // Each arc is a parabola around the middle of its span.
    auto arc = [&](qreal middle, qreal top) { return n * (t - middle) * (t - middle) + top; };
    if (t < 1 / d) return n * t * t;
    if (t < 2 / d) return arc(1.5 / d, 0.75);
    if (t < 2.5 / d) return arc(2.25 / d, 0.9375);
    return arc(2.625 / d, 0.984375);
}

}  // namespace

BallAnimation::Pose BallAnimation::pose(int ball) const {
    const SplashBall& place = SplashBalls().at(static_cast<std::size_t>(ball));
    const QPointF rest(place.x, place.y - kLift);
    const qreal above = -place.radius * 1.5;
    if (frame_ >= kRollFrom) {
        const qreal t = static_cast<qreal>(frame_ - kRollFrom) / kRollFrames;
        const qreal distance = kRollDistance * t * t;
        return {rest + QPointF(distance, 0), distance / place.radius * 180 / std::numbers::pi};
    }
    const int dropFrame = frame_ - ball * kDropEvery;
    if (dropFrame < 0) return {QPointF(rest.x(), above)};
    if (dropFrame >= kDropFrames) return {rest};
    const qreal t = static_cast<qreal>(dropFrame) / kDropFrames;
    return {QPointF(rest.x(), above + (rest.y() - above) * bounce(t))};
}

void BallAnimation::paint(QPainter& painter, const QRectF& area) const {
    // The strip stretches with the box; the balls stay round at the smaller scale.
    const qreal sx = area.width() / kWidth, sy = area.height() / kHeight;
    const qreal scale = qMin(sx, sy);
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int ball = 0; ball < static_cast<int>(SplashBalls().size()); ++ball) {
        const Pose now = pose(ball);
        painter.save();
        painter.translate(area.left() + now.centre.x() * sx, area.top() + now.centre.y() * sy);
        painter.scale(scale, scale);
        PaintSplashBall(painter, SplashBalls().at(static_cast<std::size_t>(ball)), QPointF(0, 0),
                        now.turn);
        painter.restore();
    }
    painter.restore();
}
