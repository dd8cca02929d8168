#include "shell/SystemMemory.h"

#include <QFile>
#include <QRegularExpression>
#include <cmath>

namespace system_memory {

namespace {

constexpr qint64 kKibibytesPerMegabyte = 1024;
constexpr qint64 kKibibytesPerGigabyte = 1024 * 1024;

QString readReport(const QString& path) {
    QFile file(path);
    // The reports are short; a missing one reads as empty.
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.read(64 * 1024));
}

QString figureText(std::optional<qint64> kib) {
    return kib ? SizeText(*kib) : QStringLiteral("unknown");
}

}  // namespace

std::optional<qint64> Kibibytes(const QString& report, QStringView name) {
    static const QRegularExpression figure(QStringLiteral("^\\s*(\\d{1,15})\\s*kB\\s*$"));
    for (QStringView line : QStringView(report).split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0 || line.left(colon) != name) continue;
        const QRegularExpressionMatch match = figure.match(line.mid(colon + 1));
        if (!match.hasMatch()) return std::nullopt;
        return match.capturedView(1).toLongLong();
    }
    return std::nullopt;
}

QString SizeText(qint64 kib) {
    const double megabytes = static_cast<double>(kib) / kKibibytesPerMegabyte;
    // Below what would read "1024.0 MB", in megabytes.
    if (std::round(megabytes * 10) < kKibibytesPerMegabyte * 10)
        return QString::number(megabytes, 'f', 1) + QStringLiteral(" MB");
    return QString::number(static_cast<double>(kib) / kKibibytesPerGigabyte, 'f', 2) +
           QStringLiteral(" GB");
}

QString MemoryLine(const QString& status, const QString& meminfo) {
    return QStringLiteral("Memory in use: %1    Free memory: %2")
        .arg(figureText(Kibibytes(status, u"VmRSS")),
             figureText(Kibibytes(meminfo, u"MemAvailable")));
}

QString ReadMemoryLine() {
    return MemoryLine(readReport(QStringLiteral("/proc/self/status")),
                      readReport(QStringLiteral("/proc/meminfo")));
}

}  // namespace system_memory
