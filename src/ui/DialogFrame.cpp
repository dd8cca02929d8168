#include "ui/DialogFrame.h"

#include <QApplication>
#include <QDialog>
#include <QPalette>
#include <QScreen>

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
    const QWidget* parent = dialog.parentWidget();
    QScreen* screen =
        parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    scaler.fitToScreen(available.size());
    dialog.move(available.center() - dialog.rect().center());
}

Hourglass::Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }

Hourglass::~Hourglass() { QApplication::restoreOverrideCursor(); }
