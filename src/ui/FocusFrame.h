#pragma once

#include <QRect>

class QPainter;

// The keyboard focus on a painted control: a yellow ring edged in black just
// inside its border, over the bevel, so it shows on the blue, red and green
// controls alike and leaves the caption in the middle free. Its thickness
// follows the control's size, so it reads on every screen, up to a limit set
// by the screen's height, so a large picture keeps its edges in sight.
namespace focus_frame {

// The ring's thickness in pixels for a control of this size on a screen this
// many pixels high (at least 3).
int Thickness(QSize control, int screenHeight);

// Paints the ring inside `control` (the widget's own rectangle).
void Paint(QPainter& painter, const QRect& control, int screenHeight);

}  // namespace focus_frame
