#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdlib>

#include "FuzzInput.h"
#include "core/records/HistoryFile.h"

// Writes a games history for a fuzz input: a sound file of unplayed slots
// (header game 999) with the input's remaining bytes laid over it from its
// start (header, then the first slots); an odd `shape` also cuts it to `cut`
// x 29 bytes. Returns what was written.
inline QByteArray WriteHistoryUnder(const QString& path, FuzzInput& input, std::uint8_t shape,
                                    std::uint16_t cut) {
    QByteArray content(static_cast<qsizetype>(kGameRecordSize * kHistoryRecords), '\0');
    for (int slot = 1; slot <= kHistorySlots; ++slot)
        content[static_cast<qsizetype>(slot * kGameRecordSize)] = static_cast<char>(slot - 1);
    content[0] = static_cast<char>(0xE7);  // header game 999
    content[1] = 3;
    for (qsizetype i = 0; input.left() > 0 && i < content.size(); ++i)
        content[i] = static_cast<char>(input.byte());
    if (shape & 1) content.truncate(static_cast<qsizetype>(cut) * 29);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(content);
    return content;
}
