// A play-folder lock file of any content, as a starting game or a writing
// tool command finds it: it is taken over when its owner is gone, never
// removed while its owner may run, and the refusal always names the folder.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "core/records/PlayFolderLock.h"

namespace {

const QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QByteArray lockContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = folder().filePath(QString::fromLatin1(PlayFolderLock::kFileName));
    const QByteArray before(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(before);
    }
    {
        PlayFolderLock lock(folder().path());
        switch (lock.acquire()) {
            case PlayFolderLock::Outcome::Held:
                // Taken over: the file now names this process.
                if (!lockContent(path).startsWith(
                        QByteArray::number(QCoreApplication::applicationPid()) + '\n'))
                    std::abort();
                break;
            case PlayFolderLock::Outcome::TakenByOther:
                if (lockContent(path) != before) std::abort();
                if (!lock.refusal().startsWith(
                        QStringLiteral("Velloro is already running in this folder: ") +
                        QDir::toNativeSeparators(lock.folder())))
                    std::abort();
                break;
            case PlayFolderLock::Outcome::Unusable:
                std::abort();  // the folder is writable
        }
    }
    // A lock this process held is gone with it; another owner's stays.
    if (QFile::exists(path) && lockContent(path) != before) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}
