// A help file of any text: its topics and sections, every topic's links and
// its text as the help window shows it, plain and as HTML.
#include <QRegularExpression>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "shell/HelpFile.h"

namespace {

// The HTML with the window's own tags taken out: what is left came from the
// file and must hold no markup of its own.
bool escaped(QString html) {
    static const QRegularExpression tags(QStringLiteral("<p>|</p>|<a href=\"help:\\d+\">|</a>"));
    html.remove(tags);
    return !html.contains(QLatin1Char('<')) && !html.contains(QLatin1Char('>'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString source =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const HelpFile help = HelpFile::parse(source);

    // Every topic the contents list is one the window can open.
    for (const HelpFile::Section& section : help.sections())
        for (const int number : section.topics)
            if (!help.topic(number)) std::abort();

    for (const auto& [number, topic] : help.topics()) {
        if (number < 0) std::abort();
        for (const HelpFile::Link& link : HelpFile::links(topic.text))
            if (link.target < 0) std::abort();
        const QString plain = help.plainText(topic.text);
        const QString html = help.html(topic.text);
        if (!html.startsWith(QStringLiteral("<p>")) || !html.endsWith(QStringLiteral("</p>")))
            std::abort();
        if (!escaped(html)) std::abort();
        // Without links, the reader sees the text as written.
        if (HelpFile::links(topic.text).empty() && plain != topic.text) std::abort();
    }
    return 0;
}
