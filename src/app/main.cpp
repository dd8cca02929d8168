#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <memory>

#include "app/GameStartup.h"
#include "app/KenoApplication.h"
#include "app/StopSignals.h"
#include "core/records/IoError.h"
#include "core/records/PlayFolderLock.h"
#include "core/state/GameState.h"
#include "devices/QtWaiter.h"
#include "devices/SdlSoundPlayer.h"
#include "shell/AboutBox.h"
#include "shell/AppIcon.h"
#include "shell/HelpViewer.h"
#include "shell/SplashScreen.h"
#include "ui/ScreenArea.h"
#include "windows/TableWindow.h"
#include "windows/WayWindow.h"

int main(int argc, char** argv) {
    KenoApplication app(argc, argv);
    KenoApplication::setApplicationName(QStringLiteral("Velloro"));
    KenoApplication::setApplicationVersion(QString::fromLatin1(kVelloroVersion));
    // Every window, the splash and the dialogs included, carries the game's icon;
    // the desktop entry's name lets the desktop match the windows to the entry.
    KenoApplication::setWindowIcon(VelloroIcon());
    KenoApplication::setDesktopFileName(QStringLiteral("io.github.velloro.Velloro"));
    const QSize screen = screen_area::Of(KenoApplication::primaryScreen()).size();
    // A logout or `kill` ends the game as Exit does: every game on the screen is
    // already recorded, the lock is let go at the end of main.
    QWidget* tableToClose = nullptr;
    StopSignals stopSignals([&tableToClose] {
        if (tableToClose != nullptr) tableToClose->close();
        QCoreApplication::exit(0);
    });

    // One game per play folder, taken before any record file is read, so a
    // second copy cannot overwrite this one's history. Held until the end of main.
    PlayFolderLock folderLock(QDir::currentPath());
    switch (folderLock.acquire()) {
        case PlayFolderLock::Outcome::Held:
            if (!folderLock.takeOverNote().isEmpty())
                std::fprintf(stderr, "%s\n", qPrintable(folderLock.takeOverNote()));
            break;
        case PlayFolderLock::Outcome::TakenByOther:
            std::fprintf(stderr, "%s\n", qPrintable(folderLock.refusal()));
            QMessageBox::information(nullptr, QStringLiteral("Velloro"), folderLock.refusal());
            return 1;
        case PlayFolderLock::Outcome::Unusable:
            // A folder that takes no new file (its record files may still be
            // writable) plays as it would without the lock.
            std::fprintf(stderr, "%s: %s; playing without the folder lock\n",
                         qPrintable(folderLock.lockFilePath()),
                         qPrintable(folderLock.unusableReason()));
            break;
    }

    auto splash = std::make_unique<SplashScreen>(screen);
    splash->show();
    splash->repaint();
    KenoApplication::processEvents();

    // Declared before the table, so that the table still has them while it closes.
    HelpViewer help;
    // The one seam of every wait: the game cycle's, the sounds' and the windows'.
    QtWaiter waiter;
    SdlSoundPlayer sound(waiter);
    // The music is started while the table is built; a failure is told once,
    // when the table is on screen, and the game goes on without music.
    QString musicFailure;
    bool tableShown = false;
    sound.setMusicFailureReport([&musicFailure, &tableShown](const QString& reason) {
        if (tableShown)
            QMessageBox::warning(KenoApplication::activeWindow(), QStringLiteral("Velloro"),
                                 reason);
        else
            musicFailure = reason;
    });
    GameState state;
    std::unique_ptr<TableWindow> table;
    HistoryStartup history;
    try {
        StartedTable started = OpenTable(state, sound, help, waiter, screen);
        table = std::move(started.table);
        history = started.history;
    } catch (const IoError& error) {
        // Without its payoff schedules the game cannot be played at all.
        splash.reset();
        const QString text = StartFailureText(error, QDir::currentPath());
        std::fprintf(stderr, "%s\n", qPrintable(text));
        QMessageBox::critical(nullptr, QStringLiteral("Velloro"), text);
        return 1;
    }
    tableToClose = table.get();
    if (stopSignals.stopRequested()) return 0;
    // The way window stays hidden until a way ticket is chosen.
    table->attachWayWindow(new WayWindow(table.get()));
    splash.reset();

    table->show();
    EndWithTable(*table);
    tableShown = true;
    if (!musicFailure.isEmpty())
        QMessageBox::warning(table.get(), QStringLiteral("Velloro"), musicFailure);
    if (!history.warning.isEmpty())
        QMessageBox::warning(table.get(), QStringLiteral("Velloro"), history.warning);
    // A stop asked while a start-up box was open ended only that box's loop.
    if (stopSignals.stopRequested()) return 0;
    return KenoApplication::exec();
}
