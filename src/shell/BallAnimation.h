#pragma once

#include <QPointF>
#include <QRectF>

class QPainter;

// The about box's picture: the splash's balls drop one after another onto
// the felt and bounce into their places, rest there, then roll away to the
// right, and the round begins again. Each step is one frame.
class BallAnimation {
  public:
    // The strip the balls stand on, in the splash's units.
    static constexpr qreal kWidth = 415.0;
    static constexpr qreal kHeight = 62.0;
    static constexpr int kFrameMilliseconds = 40;
    static constexpr int kFramesPerRound = 175;

    struct Pose {
        QPointF centre;  // in units of the strip
        qreal turn = 0;  // how far the number has turned as the ball rolls, in degrees
    };

    // One frame on; after the last frame of a round the first comes again.
    void advance() { frame_ = (frame_ + 1) % kFramesPerRound; }
    int frame() const { return frame_; }
    // Where a ball (0 to 6, left to right) stands in this frame.
    Pose pose(int ball) const;
    // The balls as they stand in this frame, over whatever area holds already.
    void paint(QPainter& painter, const QRectF& area) const;

  private:
    int frame_ = 0;
};
