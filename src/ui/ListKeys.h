#pragma once

#include <functional>

class QAbstractItemView;

// The keyboard twin of a list's clicks: Space on the current line is a click
// on it, Enter a double click (whose first click comes first, as with the
// mouse). Either does nothing when no line is current.
void AttachListKeys(QAbstractItemView* list, std::function<void(int row)> click,
                    std::function<void()> doubleClick);
