#include "app/KenoApplication.h"

#include <QEvent>
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

namespace {

// Watches the table for its close; once the close has gone through (the
// table is hidden), the loop ends, whatever other window is open.
class EndOnClose : public QObject {
  public:
    explicit EndOnClose(QWidget& table) : QObject(&table) { table.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            auto* table = static_cast<QWidget*>(watched);
            QMetaObject::invokeMethod(
                this,
                [table] {
                    if (!table->isVisible()) QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

void EndWithTable(QWidget& table) { new EndOnClose(table); }
