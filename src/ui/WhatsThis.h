#pragma once

#include <QPoint>
#include <functional>

class QAction;
class QWidget;

// Shows the "What's this?" pop-up of a help number at a screen position.
using ShowHelp = std::function<void(int helpNumber, QPoint at)>;

// The property that names a control's help number, so that the help can be
// checked against every control that asks for it.
inline constexpr const char* kHelpNumberProperty = "helpNumber";

// Gives a control the right-click menu with the single item "What's this?",
// which asks for the help pop-up of its number at the pointer.
void AttachWhatsThis(QWidget* control, int helpNumber, ShowHelp show);

// Gives a window the Shift+F1 key: "What's this?" of the control with the
// keyboard focus (or of the nearest control around it that has help), in a
// pop-up beside it. Returns the window's action that carries the key.
QAction* AttachWhatsThisKey(QWidget* window, ShowHelp show);
