#include "core/records/PlayFolderLock.h"

#include <QDir>
#include <QSysInfo>

PlayFolderLock::PlayFolderLock(const QString& folder)
    : folder_(QDir(folder).absolutePath()), lock_(lockFilePath()) {
    lock_.setStaleLockTime(0);
}

QString PlayFolderLock::lockFilePath() const {
    return QDir(folder_).filePath(QString::fromLatin1(kFileName));
}

PlayFolderLock::Outcome PlayFolderLock::acquire() {
    if (lock_.isLocked() || lock_.tryLock(0)) return Outcome::Held;
    return lock_.error() == QLockFile::LockFailedError ? Outcome::TakenByOther : Outcome::Unusable;
}

QString PlayFolderLock::refusal() const {
    QString text = QStringLiteral("Velloro is already running in this folder: ") +
                   QDir::toNativeSeparators(folder_);
    qint64 pid = 0;
    QString host;
    QString program;
    if (lock_.getLockInfo(&pid, &host, &program) && !host.isEmpty() &&
        host != QSysInfo::machineHostName()) {
        text +=
            QStringLiteral(
                "\nIt was started on %1. If it no longer runs there, delete %2 and start again.")
                .arg(host, QDir::toNativeSeparators(lockFilePath()));
    }
    return text;
}

QString PlayFolderLock::unusableReason() const {
    return lock_.error() == QLockFile::PermissionError ? QStringLiteral("Permission denied")
                                                       : QStringLiteral("Cannot be created");
}
