#pragma once

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

// The tooltip a control shows when the pointer rests on it; empty for none.
inline QString ToolTipOf(QWidget& control) {
    // QToolTip::hideText() lets the last tip linger for a moment; hide it at once.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("qtooltip_label")) window->hide();
    const QPoint at(2, 2);
    QHelpEvent rest(QEvent::ToolTip, at, control.mapToGlobal(at));
    QApplication::sendEvent(&control, &rest);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
