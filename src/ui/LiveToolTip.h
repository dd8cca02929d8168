#pragma once

#include <QPoint>
#include <QString>
#include <functional>

class QWidget;

// Gives a control a tooltip whose text is asked for each time it is about to
// show, so it always tells the state of that moment; an empty text shows none.
// The control's painted look is left alone.
void AttachLiveToolTip(QWidget* control, std::function<QString()> text);
// The same for a text that depends on where in the control the pointer rests.
void AttachLiveToolTip(QWidget* control, std::function<QString(QPoint)> text);
