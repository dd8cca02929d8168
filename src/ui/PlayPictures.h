#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <optional>
#include <vector>

#include "core/stats/PlayFigures.h"

// The pictures of the Your Play window, painted on a picture control's
// bitmap in the game's colours. Each also says where its games or numbers
// stand, so that the pointer can be told what it rests on.

// The net result after each game in play order, from 0 before the first,
// with the expected net result and the band two standard deviations either
// side of it.
class NetResultPicture {
  public:
    explicit NetResultPicture(std::vector<stats::NetPoint> points = {});

    const std::vector<stats::NetPoint>& points() const { return points_; }
    void paint(QImage& image, const QFont& font) const;
    // Where the point after game `index` (0-based, in play order) is drawn.
    QPoint pointOf(std::size_t index, QSize size, const QFont& font) const;
    // The game whose point is nearest the pointer's column; none outside the plot.
    std::optional<std::size_t> gameAt(QPoint at, QSize size, const QFont& font) const;

  private:
    struct Frame {
        QRect plot;
        long double low = 0.0L;   // Money units at the bottom of the plot
        long double high = 0.0L;  // and at its top
        long double step = 0.0L;  // between two marks of the scale
    };
    Frame frameFor(QSize size, const QFont& font) const;
    double x(const Frame& frame, std::size_t afterGames) const;

    std::vector<stats::NetPoint> points_;
};

// How often each number was drawn, as 80 bars against the expected count and
// its band; numbers above the band are hot (red), below it cold (blue).
class BallCountPicture {
  public:
    BallCountPicture() = default;
    BallCountPicture(const frequency::BallCounts& counts, int games);

    void paint(QImage& image, const QFont& font) const;
    // The bar of number 1..80.
    QRect barOf(int number, QSize size, const QFont& font) const;
    // The number whose bar the pointer rests over; none outside the plot.
    std::optional<int> numberAt(QPoint at, QSize size, const QFont& font) const;
    int countOf(int number) const { return counts_[static_cast<std::size_t>(number)]; }
    const stats::CountBand& band() const { return band_; }

  private:
    struct Frame {
        QRect plot;
        double top = 1.0;  // the count at the top of the plot
        int step = 1;      // between two marks of the scale
    };
    Frame frameFor(QSize size, const QFont& font) const;
    double y(const Frame& frame, double count) const;
    QRect barOf(const Frame& frame, int number) const;

    frequency::BallCounts counts_{};
    stats::CountBand band_;
    int games_ = 0;
};
