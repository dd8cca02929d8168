#pragma once

#include <QRect>

class QPainter;

// The keyboard focus on a painted control: a yellow ring edged in black just
// inside its border, over the bevel, so it shows on the blue, red and green
// controls alike and leaves the caption in the middle free. Its thickness
// follows the control's size, so it reads on every screen.
namespace focus_frame {

// The ring's thickness in pixels for a control of this size (at least 3).
int thickness(QSize control);

// Paints the ring inside `control` (the widget's own rectangle).
void paint(QPainter& painter, const QRect& control);

}  // namespace focus_frame
