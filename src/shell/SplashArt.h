#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <array>

class QPainter;

// The splash picture: Keno balls rolling under the game's name.
QImage PaintSplashPicture(QSize size);

// One ball of the splash: where it rests in units of the 415 x 181 picture.
struct SplashBall {
    qreal x, y, radius;
    int number;
    QColor colour;
};
// The seven balls along the foot of the splash, left to right.
const std::array<SplashBall, 7>& SplashBalls();
// A shaded ball with its number around a centre, in the painter's units; the
// number turned by this many degrees, as the ball rolls.
void PaintSplashBall(QPainter& p, const SplashBall& ball, QPointF centre, qreal turn = 0);
