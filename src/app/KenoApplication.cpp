#include "app/KenoApplication.h"

#include <QMessageBox>

#include "core/records/IoError.h"

KenoApplication::KenoApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KenoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const IoError& error) {
        ShowIoError(activeWindow(), error);
        return false;
    }
}

QString IoErrorText(const IoError& error) {
    return QStringLiteral("The file %1 could not be used.\n\n%2")
        .arg(error.fileName(), error.reason());
}

void ShowIoError(QWidget* parent, const IoError& error) {
    QMessageBox::critical(parent, QStringLiteral("Velloro"), IoErrorText(error));
}
