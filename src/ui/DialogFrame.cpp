#include "ui/DialogFrame.h"

#include <QDialog>
#include <QPalette>

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
