#include "ui/DialogFrame.h"

#include <QApplication>
#include <QDialog>
#include <QPalette>
#include <QScreen>

#include "ui/ScreenArea.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"

void SetUpGreenDialog(QDialog& dialog, const QString& title) {
    dialog.setWindowTitle(title);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setModal(true);
    dialog.setAutoFillBackground(true);
    QPalette green = dialog.palette();
    green.setColor(QPalette::Window, QColor::fromRgb(colours::kGreen));
    dialog.setPalette(green);
}

void FitAndCentre(QDialog& dialog, WindowScaler& scaler) {
    const QRect available = screen_area::Of(dialog.parentWidget());
    scaler.fitToScreen(available.size());
    dialog.move(screen_area::Centred(available, dialog.size()));
}

Hourglass::Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }

Hourglass::~Hourglass() { QApplication::restoreOverrideCursor(); }
