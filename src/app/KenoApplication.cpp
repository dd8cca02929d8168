#include "app/KenoApplication.h"

// The XKB header names a field "explicit".
#define explicit explicit_field
#include <xcb/xkb.h>
#undef explicit

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>

#include "core/records/IoError.h"

namespace {

// A key held down on X11 comes, at each of the desktop's repeats, as a release
// and a press. Qt tells such a pair from a real release only when the press is
// already read behind the release, which a busy machine often has not: Space
// held on an arrow would then let go and press again at the desktop's rate. Asked
// to, the X server sends the repeats as presses alone, so a held key ends with
// its one real release. Nothing changes on another platform or a server
// without the request.
void AskForRepeatsWithoutReleases() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr || !xcb_get_extension_data(connection, &xcb_xkb_id)->present) return;
    constexpr std::uint32_t kDetectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const xcb_xkb_per_client_flags_cookie_t asked = xcb_xkb_per_client_flags(
        connection, XCB_XKB_ID_USE_CORE_KBD, kDetectable, kDetectable, 0, 0, 0);
    xcb_discard_reply(connection, asked.sequence);
    xcb_flush(connection);
}

}  // namespace

KenoApplication::KenoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    AskForRepeatsWithoutReleases();
}

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

QString StartFailureText(const IoError& error, const QString& folder) {
    return IoErrorText(error) +
           QStringLiteral(
               "\n\nThe game was started in the folder %1, which has no payoff "
               "schedules it can use. Start it with velloro-launch, which prepares "
               "your play folder, or write the schedules into this folder with "
               "\"velloro-tool schedules make\".")
               .arg(QDir::toNativeSeparators(folder));
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
