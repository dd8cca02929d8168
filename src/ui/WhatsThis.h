#pragma once

#include <functional>

class QWidget;
class QPoint;

// Gives a control the right-click menu with the single item "What's this?",
// which asks for the help pop-up of its number at the pointer.
void AttachWhatsThis(QWidget* control, int helpNumber,
                     std::function<void(int helpNumber, QPoint at)> show);
