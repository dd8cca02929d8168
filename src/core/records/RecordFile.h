#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <cstdint>
#include <vector>

// A file of fixed-size records, opened for one operation and closed when the
// object goes. Every failure throws IoError naming the file and the reason.
class RecordFile {
  public:
    enum class Mode { Read, ReadWrite, Create };

    RecordFile(const QString& path, std::size_t recordSize, Mode mode);

    static bool exists(const QString& path);
    // True for a file of 0 bytes.
    static bool isEmptyFile(const QString& path);

    // Whole records in the file; bytes after the last whole record do not count.
    std::int64_t recordCount() const;
    std::vector<std::uint8_t> read(std::int64_t record);
    // `count` records from `first` in one read, one after the other.
    std::vector<std::uint8_t> readMany(std::int64_t first, std::int64_t count);
    void write(std::int64_t record, const std::vector<std::uint8_t>& bytes);
    // Writes the records one after the other from the current end of the file.
    void append(const std::vector<std::uint8_t>& bytes);
    void truncate(std::int64_t records);
    // Waits until what was written is on the disk.
    void sync();

  private:
    [[noreturn]] void fail(const QString& reason) const;
    void seek(std::int64_t record);

    QString displayName_;
    std::size_t recordSize_;
    QFile file_;
};

// Puts a QSaveFile's new file in place, or cancels it and leaves the old one.
// commit() alone renames the file into place even when its last buffered write
// met a full disk, so the buffer is pushed out and checked first. The file is
// synced before its rename and the folder after it, so a power loss leaves the
// old file or the new one.
bool CommitWhole(QSaveFile& file);

// Replaces the file at `path` with `bytes` whole (another name, synced,
// renamed into place), or throws IoError and leaves the old file as it was.
// Leftovers of an earlier replacement killed before its rename ("Tickets.vlr.
// aB3xYz" beside "Tickets.vlr") are removed first.
void WriteWholeFile(const QString& path, const std::vector<std::uint8_t>& bytes);

// Little-endian field access on a record's bytes.

namespace bytes {

std::int64_t ReadInt(const std::vector<std::uint8_t>& record, std::size_t offset, int width);
void WriteInt(std::vector<std::uint8_t>& record, std::size_t offset, int width, std::int64_t value);

inline std::int32_t ReadInt32(const std::vector<std::uint8_t>& r, std::size_t offset) {
    return static_cast<std::int32_t>(ReadInt(r, offset, 4));
}
inline std::int64_t ReadInt64(const std::vector<std::uint8_t>& r, std::size_t offset) {
    return ReadInt(r, offset, 8);
}

}  // namespace bytes
