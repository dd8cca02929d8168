#include "core/records/PlayFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <optional>

namespace {

// Who holds a lock, as its file tells: one line each for the process id, the
// program, the host, the machine's id and its boot's id (the last two may be
// missing from a lock written elsewhere).
struct Owner {
    qint64 pid = 0;
    QString program;
    QString host;
    QByteArray machine;
    QByteArray boot;
};

QByteArray ownerText() {
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + program.toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
           QSysInfo::bootUniqueId() + '\n';
}

std::optional<Owner> parseOwner(const QByteArray& text) {
    const QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 3) return std::nullopt;
    Owner owner;
    bool number = false;
    owner.pid = lines[0].toLongLong(&number);
    owner.program = QString::fromUtf8(lines[1]);
    owner.host = QString::fromUtf8(lines[2]);
    if (!number || owner.pid <= 0 || owner.host.isEmpty()) return std::nullopt;
    if (lines.size() > 3) owner.machine = lines[3];
    if (lines.size() > 4) owner.boot = lines[4];
    return owner;
}

QByteArray readAll(int handle) {
    QByteArray text;
    char buffer[512];
    for (;;) {
        const ssize_t got = ::pread(handle, buffer, sizeof buffer, text.size());
        if (got <= 0 || text.size() > 4096) return text;
        text.append(buffer, static_cast<int>(got));
    }
}

bool writeAll(int handle, const QByteArray& text) {
    qsizetype done = 0;
    while (done < text.size()) {
        const ssize_t put =
            ::write(handle, text.constData() + done, static_cast<std::size_t>(text.size() - done));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        done += put;
    }
    return ::fsync(handle) == 0;
}

// The program a process runs now, or empty when it cannot be told.
QString programOf(qint64 pid) {
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid))).fileName();
}

// Whether the owner, on this host, may still be running.
bool mayRun(const Owner& owner) {
    if (!owner.boot.isEmpty() && owner.boot != QSysInfo::bootUniqueId()) return false;
    if (owner.pid == QCoreApplication::applicationPid()) return false;
    if (::kill(static_cast<pid_t>(owner.pid), 0) != 0 && errno == ESRCH) return false;
    const QString now = programOf(owner.pid);
    return now.isEmpty() || now == owner.program;
}

bool sameFile(int handle, const QString& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(handle, &open) == 0 &&
           ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Temporary lock files of starts killed before they linked theirs into
// place: no one holds them, and a starting copy's is seconds old at most.
void removeLeftovers(const QString& lockPath) {
    const QFileInfo lock(lockPath);
    QDir folder = lock.absoluteDir();
    const QStringList names =
        folder.entryList({lock.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QFileInfo leftover(folder.filePath(name));
        if (leftover.lastModified().secsTo(QDateTime::currentDateTime()) < 60) continue;
        const int handle =
            ::open(QFile::encodeName(leftover.filePath()).constData(), O_RDONLY | O_CLOEXEC);
        if (handle < 0) continue;
        if (::flock(handle, LOCK_EX | LOCK_NB) == 0) folder.remove(name);
        ::close(handle);
    }
}

QString reasonOf(int error) {
    return error == EACCES || error == EPERM || error == EROFS
               ? QStringLiteral("Permission denied")
               : QStringLiteral("Cannot be created");
}

}  // namespace

PlayFolderLock::PlayFolderLock(const QString& folder) : folder_(QDir(folder).absolutePath()) {}

PlayFolderLock::~PlayFolderLock() { release(); }

QString PlayFolderLock::lockFilePath() const {
    return QDir(folder_).filePath(QString::fromLatin1(kFileName));
}

void PlayFolderLock::release() {
    if (handle_ < 0) return;
    // Only our own file: never one that replaced it.
    if (sameFile(handle_, lockFilePath())) ::unlink(QFile::encodeName(lockFilePath()).constData());
    ::close(handle_);
    handle_ = -1;
}

PlayFolderLock::Verdict PlayFolderLock::inspect(int candidate) {
    // A running owner holds the kernel lock; while we hold it, no other
    // starting copy can take the same file over.
    if (::flock(candidate, LOCK_EX | LOCK_NB) != 0) {
        if (const auto owner = parseOwner(readAll(candidate))) ownerHost_ = owner->host;
        return Verdict::Running;
    }
    if (!sameFile(candidate, lockFilePath())) return Verdict::Vanished;
    const std::optional<Owner> owner = parseOwner(readAll(candidate));
    if (!owner) return Verdict::Unreadable;
    ownerHost_ = owner->host;
    const bool here = owner->host == QSysInfo::machineHostName() &&
                      (owner->machine.isEmpty() || owner->machine == QSysInfo::machineUniqueId());
    if (!here || mayRun(*owner)) return Verdict::Running;
    return Verdict::Stale;
}

namespace {

bool linksUnsupported(int error) {
    return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS ||
           error == EMLINK;
}

}  // namespace

PlayFolderLock::Outcome PlayFolderLock::acquire() {
    if (handle_ >= 0) return Outcome::Held;
    const QByteArray path = QFile::encodeName(lockFilePath());
    removeLeftovers(lockFilePath());
    // Written whole under another name first, with the kernel lock already on it.
    QByteArray temporary = path + ".XXXXXX";
    const int mine = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (mine < 0) {
        unusableReason_ = reasonOf(errno);
        return Outcome::Unusable;
    }
    const auto giveUp = [&](Outcome outcome) {
        ::unlink(temporary.constData());
        ::close(mine);
        return outcome;
    };
    if (::flock(mine, LOCK_EX | LOCK_NB) != 0 || !writeAll(mine, ownerText())) {
        unusableReason_ = reasonOf(errno);
        return giveUp(Outcome::Unusable);
    }
    bool links = true;
    // A few rounds: a lock may vanish, or be taken over, between two looks.
    for (int round = 0; round < 4; ++round) {
        if (links && ::link(temporary.constData(), path.constData()) == 0) {
            handle_ = mine;
            ::unlink(temporary.constData());
            return Outcome::Held;
        }
        if (!links) {
            // A file system without links: created and written in place; a
            // kill while it is written leaves a file the next start takes over.
            const int placed =
                ::open(path.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
            if (placed >= 0) {
                if (::flock(placed, LOCK_EX | LOCK_NB) != 0 || !writeAll(placed, ownerText())) {
                    unusableReason_ = reasonOf(errno);
                    ::unlink(path.constData());
                    ::close(placed);
                    return giveUp(Outcome::Unusable);
                }
                handle_ = placed;
                return giveUp(Outcome::Held);
            }
        }
        if (errno != EEXIST) {
            if (links && linksUnsupported(errno)) {
                links = false;
                continue;
            }
            unusableReason_ = reasonOf(errno);
            return giveUp(Outcome::Unusable);
        }
        const int candidate = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (candidate < 0) continue;  // gone meanwhile: place ours again
        const Verdict verdict = inspect(candidate);
        if (verdict == Verdict::Running) {
            ::close(candidate);
            return giveUp(Outcome::TakenByOther);
        }
        bool taken = false;
        if (verdict != Verdict::Vanished) {
            // Replaced while the old file's kernel lock is ours, so no other
            // starting copy takes it over at the same time.
            if (links)
                taken = ::rename(temporary.constData(), path.constData()) == 0;
            else
                ::unlink(path.constData());
            if (verdict == Verdict::Unreadable)
                takeOverNote_ = QStringLiteral("%1: its content could not be read; taken over")
                                    .arg(QDir::toNativeSeparators(lockFilePath()));
        }
        ::close(candidate);
        if (taken) {
            handle_ = mine;
            return Outcome::Held;
        }
    }
    return giveUp(Outcome::TakenByOther);
}

QString PlayFolderLock::refusal() const {
    QString text = QStringLiteral("Velloro is already running in this folder: ") +
                   QDir::toNativeSeparators(folder_);
    if (!ownerHost_.isEmpty() && ownerHost_ != QSysInfo::machineHostName()) {
        text +=
            QStringLiteral(
                "\nIt was started on %1. If it no longer runs there, delete %2 and start again.")
                .arg(ownerHost_, QDir::toNativeSeparators(lockFilePath()));
    }
    return text;
}
