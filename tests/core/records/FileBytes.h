#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <vector>

// Raw file contents for tests that check what reached the disk.
namespace file_bytes {

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline void writeAll(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(content);
}

inline QByteArray fromRecord(const std::vector<std::uint8_t>& record) {
    return QByteArray(reinterpret_cast<const char*>(record.data()),
                      static_cast<qsizetype>(record.size()));
}

// Little-endian integer of `width` bytes at `offset`, read independently of the code under test.
inline std::int64_t intAt(const QByteArray& data, qsizetype offset, int width) {
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(data.at(offset + i));
    if (width < 8 && (value >> (8 * width - 1)) & 1) value |= ~std::uint64_t{0} << (8 * width);
    return static_cast<std::int64_t>(value);
}

inline void putInt(QByteArray& data, qsizetype offset, int width, std::int64_t value) {
    auto bits = static_cast<std::uint64_t>(value);
    for (int i = 0; i < width; ++i, bits >>= 8) data[offset + i] = static_cast<char>(bits & 0xFF);
}

}  // namespace file_bytes
