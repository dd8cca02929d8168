#include "shell/HelpFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

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

const QRegularExpression& linkPattern() {
    static const QRegularExpression pattern(QStringLiteral("\\[\\[(\\d+)(?:\\|([^\\]]*))?\\]\\]"));
    return pattern;
}

}  // namespace

HelpFile HelpFile::parse(const QString& source) {
    static const QRegularExpression heading(QStringLiteral("^@(\\d+)\\s+(.*)$"));
    static const QRegularExpression sectionHeading(QStringLiteral("^==\\s*(.*)$"));
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
        const QRegularExpressionMatch section = sectionHeading.match(line.trimmed());
        if (section.hasMatch()) {
            finish();
            number = -1;
            file.sections_.push_back({section.captured(1).trimmed(), {}});
            continue;
        }
        const QRegularExpressionMatch match = heading.match(line.trimmed());
        if (match.hasMatch()) {
            finish();
            bool ok = false;
            number = match.captured(1).toInt(&ok);
            if (!ok) number = -1;
            title = match.captured(2).trimmed();
            // A number given again replaces its topic's text; the contents list it once.
            if (number >= 0 && file.topics_.count(number) == 0) {
                if (file.sections_.empty()) file.sections_.push_back({});
                file.sections_.back().topics.push_back(number);
            }
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

std::vector<HelpFile::Link> HelpFile::links(const QString& text) {
    std::vector<Link> found;
    auto matches = linkPattern().globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        found.push_back({match.captured(1).toInt(), match.captured(2).trimmed()});
    }
    return found;
}

QString HelpFile::linkWords(const Link& link) const {
    if (!link.words.isEmpty()) return link.words;
    const Topic* target = topic(link.target);
    return target ? target->title : QStringLiteral("topic %1").arg(link.target);
}

QString HelpFile::plainText(const QString& text) const {
    QString plain;
    qsizetype from = 0;
    auto matches = linkPattern().globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        plain += text.mid(from, match.capturedStart() - from);
        plain += linkWords({match.captured(1).toInt(), match.captured(2).trimmed()});
        from = match.capturedEnd();
    }
    return plain + text.mid(from);
}

QString HelpFile::html(const QString& text) const {
    QString html;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n"))) {
        html += QStringLiteral("<p>");
        qsizetype from = 0;
        auto matches = linkPattern().globalMatch(paragraph);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            const Link link{match.captured(1).toInt(), match.captured(2).trimmed()};
            html += paragraph.mid(from, match.capturedStart() - from).toHtmlEscaped();
            html += QStringLiteral("<a href=\"help:%1\">%2</a>")
                        .arg(link.target)
                        .arg(linkWords(link).toHtmlEscaped());
            from = match.capturedEnd();
        }
        html += paragraph.mid(from).toHtmlEscaped() + QStringLiteral("</p>");
    }
    return html;
}

QStringList HelpFile::wordsOf(const QString& typed) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return typed.split(space, Qt::SkipEmptyParts);
}

std::vector<int> HelpFile::find(const QString& words) const {
    const QStringList wanted = wordsOf(words);
    auto holdsAll = [&wanted](const QString& read) {
        return std::all_of(wanted.begin(), wanted.end(), [&read](const QString& word) {
            return read.contains(word, Qt::CaseInsensitive);
        });
    };
    std::vector<int> byTitle, byText;
    if (wanted.isEmpty()) return byTitle;
    for (const Section& section : sections_)
        for (int number : section.topics) {
            const Topic& topic = topics_.at(number);
            if (holdsAll(topic.title))
                byTitle.push_back(number);
            else if (holdsAll(topic.title + QLatin1Char('\n') + plainText(topic.text)))
                byText.push_back(number);
        }
    byTitle.insert(byTitle.end(), byText.begin(), byText.end());
    return byTitle;
}
