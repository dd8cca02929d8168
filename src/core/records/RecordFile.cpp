#include "core/records/RecordFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "core/records/IoError.h"

RecordFile::RecordFile(const QString& path, std::size_t recordSize, Mode mode)
    : displayName_(QFileInfo(path).fileName()), recordSize_(recordSize), file_(path) {
    if (mode != Mode::Create && !QFileInfo::exists(path)) fail(QStringLiteral("File not found"));
    QIODevice::OpenMode openMode = QIODevice::ReadOnly;
    if (mode == Mode::ReadWrite) openMode = QIODevice::ReadWrite;
    if (mode == Mode::Create) openMode = QIODevice::ReadWrite | QIODevice::Truncate;
    if (!file_.open(openMode)) {
        const auto error = file_.error();
        fail(error == QFileDevice::PermissionsError ? QStringLiteral("File access denied")
                                                    : file_.errorString());
    }
}

bool RecordFile::exists(const QString& path) { return QFileInfo::exists(path); }

bool RecordFile::isEmptyFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() == 0;
}

void RecordFile::fail(const QString& reason) const { throw IoError(displayName_, reason); }

std::int64_t RecordFile::recordCount() const {
    return file_.size() / static_cast<std::int64_t>(recordSize_);
}

void RecordFile::seek(std::int64_t record) {
    if (record < 0 || !file_.seek(record * static_cast<std::int64_t>(recordSize_)))
        fail(QStringLiteral("Seek error"));
}

std::vector<std::uint8_t> RecordFile::read(std::int64_t record) {
    if (record < 0 || record >= recordCount()) fail(QStringLiteral("Read beyond end of file"));
    seek(record);
    std::vector<std::uint8_t> bytes(recordSize_);
    const auto got =
        file_.read(reinterpret_cast<char*>(bytes.data()), static_cast<qint64>(recordSize_));
    if (got != static_cast<qint64>(recordSize_)) fail(QStringLiteral("Read beyond end of file"));
    return bytes;
}

std::vector<std::uint8_t> RecordFile::readMany(std::int64_t first, std::int64_t count) {
    if (first < 0 || count < 0 || first + count > recordCount())
        fail(QStringLiteral("Read beyond end of file"));
    seek(first);
    const auto size = static_cast<qint64>(recordSize_) * count;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (file_.read(reinterpret_cast<char*>(bytes.data()), size) != size)
        fail(QStringLiteral("Read beyond end of file"));
    return bytes;
}

void RecordFile::write(std::int64_t record, const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() != recordSize_) fail(QStringLiteral("Invalid record size"));
    seek(record);
    const auto put =
        file_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(recordSize_));
    if (put != static_cast<qint64>(recordSize_) || !file_.flush())
        fail(QStringLiteral("Disk write error"));
}

void RecordFile::append(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() % recordSize_ != 0) fail(QStringLiteral("Invalid record size"));
    if (!file_.seek(file_.size())) fail(QStringLiteral("Seek error"));
    const auto put =
        file_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (put != static_cast<qint64>(bytes.size()) || !file_.flush())
        fail(QStringLiteral("Disk write error"));
}

void RecordFile::truncate(std::int64_t records) {
    if (!file_.resize(records * static_cast<std::int64_t>(recordSize_)))
        fail(QStringLiteral("Disk write error"));
}

void RecordFile::sync() {
    if (!file_.flush() || ::fdatasync(file_.handle()) != 0)
        fail(QStringLiteral("Disk write error"));
}

namespace {

// A renamed-in file is on the disk only once its folder is.
void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int handle = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) return;
    ::fsync(handle);
    ::close(handle);
}

// The names QSaveFile gives its new file: the file's name, a dot and six
// letters or digits.
void removeLeftoverReplacements(const QString& path) {
    const QFileInfo info(path);
    const QRegularExpression leftover(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(info.fileName())));
    QDir folder = info.absoluteDir();
    const QStringList candidates =
        folder.entryList({info.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
    for (const QString& name : candidates)
        if (leftover.match(name).hasMatch()) folder.remove(name);
}

}  // namespace

bool CommitWhole(QSaveFile& file) {
    if (!file.flush()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) return false;
    syncFolderOf(file.fileName());
    return true;
}

void WriteWholeFile(const QString& path, const std::vector<std::uint8_t>& bytes) {
    const QString name = QFileInfo(path).fileName();
    removeLeftoverReplacements(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw IoError(name, file.error() == QFileDevice::PermissionsError
                                ? QStringLiteral("File access denied")
                                : file.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        file.cancelWriting();
        throw IoError(name, QStringLiteral("Disk write error"));
    }
    if (!CommitWhole(file)) throw IoError(name, QStringLiteral("Disk write error"));
}

namespace bytes {

std::int64_t ReadInt(const std::vector<std::uint8_t>& record, std::size_t offset, int width) {
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | record.at(offset + static_cast<std::size_t>(i));
    if (width < 8 && (value >> (8 * width - 1)) & 1) value |= ~std::uint64_t{0} << (8 * width);
    return static_cast<std::int64_t>(value);
}

void WriteInt(std::vector<std::uint8_t>& record, std::size_t offset, int width,
              std::int64_t value) {
    auto bits = static_cast<std::uint64_t>(value);
    for (int i = 0; i < width; ++i) {
        record.at(offset + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(bits & 0xFF);
        bits >>= 8;
    }
}

}  // namespace bytes
