#pragma once

#include <QRect>

class QScreen;
class QWidget;

// The part of a screen the game's windows are laid out on and sized from:
// what the desktop's panels leave of it, and on a screen taller than 4:3 (a
// portrait one) only the middle band of 4:3, so that text sized from the
// height fits boxes sized from the width.
namespace screen_area {

// The layout area inside an available area.
QRect Within(const QRect& available);
// The layout area of a screen; 640 x 480 when there is none.
QRect Of(const QScreen* screen);
// The layout area of the screen the widget is on, or of the primary screen.
QRect Of(const QWidget* widget);
// Where a window of this outer size stands centred in an area.
QPoint Centred(const QRect& area, QSize outer);
// Whether the game may place its own windows: a Wayland compositor places
// every window itself and ignores a move.
bool WindowsArePlaceable();

}  // namespace screen_area
