#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The memory figures of the about box, from the kernel's reports on the game
// (/proc/self/status) and on the whole system (/proc/meminfo).
namespace system_memory {

// The figure of a "Name:   12345 kB" line of a report, in KiB; nothing where
// the line is missing or says anything else.
std::optional<qint64> Kibibytes(const QString& report, QStringView name);
// A size of this many KiB for the reader: "48.2 MB", "3.12 GB".
QString SizeText(qint64 Kibibytes);
// The about box's line: what the game uses and what the system has free,
// "unknown" for a figure the reports do not give.
QString MemoryLine(const QString& status, const QString& meminfo);
// The same line from the reports as they stand now.
QString ReadMemoryLine();

}  // namespace system_memory
