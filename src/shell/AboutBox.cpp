#include "shell/AboutBox.h"

#include <QCoreApplication>
#include <QMessageBox>

const char* const kVelloroVersion = VELLORO_VERSION;

void ShowAboutBox(QWidget* parent) {
    QMessageBox::about(parent, QStringLiteral("About Velloro"),
                       QStringLiteral("<h2>Velloro</h2><p>Version %1</p><p>A Keno game.</p>")
                           .arg(QCoreApplication::applicationVersion()));
}
