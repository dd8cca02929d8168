#include "ui/FocusFrame.h"

#include <QPainter>
#include <algorithm>

namespace focus_frame {

int Thickness(QSize control, int screenHeight) {
    // An eighth of the shorter side, at least 3 pixels: 3 on a 16-pixel arrow
    // at 640 x 480, 4 on a board cell there, 9 on a board cell at 1920 x
    // 1080. The caption keeps the middle of its control free of it at every
    // size. At most an eightieth of the screen's height (6 pixels at 640 x
    // 480, 13 at 1920 x 1080), more than any button or cell asks for: only
    // the large pictures of Your Play meet the limit.
    const int bySize = std::min(control.width(), control.height()) / 8;
    return std::max(3, std::min(bySize, screenHeight / 80));
}

void Paint(QPainter& painter, const QRect& control, int screenHeight) {
    const int ring = Thickness(control.size(), screenHeight);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    // Black outline, yellow band, black inner line: visible on any colour.
    QRect outer = control;
    QRegion band(outer);
    band -= QRegion(outer.adjusted(ring, ring, -ring, -ring));
    painter.setClipRegion(band);
    painter.fillRect(outer, Qt::black);
    const int yellow = std::max(1, ring - 2);
    QRegion middle(outer.adjusted(1, 1, -1, -1));
    middle -= QRegion(outer.adjusted(1 + yellow, 1 + yellow, -1 - yellow, -1 - yellow));
    painter.setClipRegion(middle);
    painter.fillRect(outer, QColor(255, 255, 0));
    painter.restore();
}

}  // namespace focus_frame
