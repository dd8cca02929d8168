#include "shell/HelpFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

static void initHelpResource() { Q_INIT_RESOURCE(shell); }

namespace {

// Lines of one paragraph are joined with spaces; blank lines keep paragraphs apart.
QString joinParagraphs(const QStringList& lines) {
    QStringList paragraphs;
    QString current;
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty()) {
            if (!current.isEmpty()) paragraphs << current;
            current.clear();
        } else {
            current += (current.isEmpty() ? QString() : QStringLiteral(" ")) + line.trimmed();
        }
    }
    if (!current.isEmpty()) paragraphs << current;
    return paragraphs.join(QStringLiteral("\n\n"));
}

}  // namespace

HelpFile HelpFile::parse(const QString& source) {
    static const QRegularExpression heading(QStringLiteral("^@(\\d+)\\s+(.*)$"));
    HelpFile file;
    int number = -1;
    QString title;
    QStringList lines;
    auto finish = [&] {
        if (number >= 0) file.topics_[number] = Topic{title, joinParagraphs(lines)};
        lines.clear();
    };
    for (const QString& line : source.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#'))) continue;
        const QRegularExpressionMatch match = heading.match(line.trimmed());
        if (match.hasMatch()) {
            finish();
            bool ok = false;
            number = match.captured(1).toInt(&ok);
            if (!ok) number = -1;
            title = match.captured(2).trimmed();
        } else if (number >= 0) {
            lines << line;
        }
    }
    finish();
    return file;
}

HelpFile HelpFile::builtIn() {
    initHelpResource();
    QFile file(QStringLiteral(":/help/Keno.hlp"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return parse(QString::fromUtf8(file.readAll()));
}

const HelpFile::Topic* HelpFile::topic(int number) const {
    const auto found = topics_.find(number);
    return found == topics_.end() ? nullptr : &found->second;
}
