#pragma once

#include <QIcon>
#include <QImage>

// The game's icon, drawn from its SVG at every size it is shown at, so that
// it stays sharp in a title bar, a task bar and the about box alike.
QIcon VelloroIcon();
// The icon painted at one size, transparent around it.
QImage PaintVelloroIcon(int size);
