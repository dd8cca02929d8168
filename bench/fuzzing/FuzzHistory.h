#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdlib>

#include "FuzzInput.h"
#include "core/records/HistoryFile.h"

// The games history of one fuzz input: a sound file of unplayed slots (header
// game 999) with the input's remaining bytes laid over it from its start
// (header, then the first slots); an odd `shape` also cuts it to `cut` x 29
// bytes. A file of the same length as the last one is mended in place: only
// the bytes the last input or this one laid over are written, so a run costs
// what its input covers, not the whole 1.8 MB.
class FuzzHistoryFile {
  public:
    explicit FuzzHistoryFile(QString path) : path_(std::move(path)) {}

    // Writes the file for this input and returns its length.
    qsizetype write(FuzzInput& input, std::uint8_t shape, std::uint16_t cut) {
        const QByteArray& sound = soundFile();
        const qsizetype size =
            shape & 1 ? std::min(sound.size(), static_cast<qsizetype>(cut) * 29) : sound.size();
        const qsizetype laid = std::min(static_cast<qsizetype>(input.left()), size);
        // The part that differs from the sound file or from what is on disk.
        const qsizetype changed = size == size_ ? std::max(laid, laid_) : size;
        QByteArray bytes = sound.left(changed);
        for (qsizetype i = 0; i < laid; ++i) bytes[i] = static_cast<char>(input.byte());

        QFile file(path_);
        const bool whole = size != size_;
        if (!file.open(whole ? QIODevice::WriteOnly | QIODevice::Truncate : QIODevice::ReadWrite) ||
            file.write(bytes) != bytes.size())
            std::abort();
        size_ = size;
        laid_ = laid;
        return size;
    }
    // The file was changed by the code under test: the next write is whole.
    void changed() { size_ = -1; }
    const QString& path() const { return path_; }

  private:
    static const QByteArray& soundFile() {
        static const QByteArray content = [] {
            QByteArray bytes(static_cast<qsizetype>(kGameRecordSize * kHistoryRecords), '\0');
            for (int slot = 1; slot <= kHistorySlots; ++slot)
                bytes[static_cast<qsizetype>(slot * kGameRecordSize)] = static_cast<char>(slot - 1);
            bytes[0] = static_cast<char>(0xE7);  // header game 999
            bytes[1] = 3;
            return bytes;
        }();
        return content;
    }

    QString path_;
    qsizetype size_ = -1;  // the file's length on disk; -1 when unknown
    qsizetype laid_ = 0;   // how many bytes the last input laid over it
};
