#pragma once

#include <QColor>

// The check-glyph colour of set k (1..80); the colours repeat every 40 sets.
QColor setColour(int k);
