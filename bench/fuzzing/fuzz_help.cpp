// A help file of any text: its topics and sections, every topic's links and
// its text as the help window shows it, plain and as HTML, and what Find
// lists for the words of its first line.
#include <QRegularExpression>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <set>

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
    // The first line is what a reader types into Find; the rest is the file.
    const QString input =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype newline = input.indexOf(QLatin1Char('\n'));
    const QString typed = newline < 0 ? QString() : input.left(newline);
    const HelpFile help = HelpFile::parse(newline < 0 ? input : input.mid(newline + 1));

    // Find names each topic it lists once, and only topics there are.
    const std::vector<int> found = help.find(typed);
    if (std::set<int>(found.begin(), found.end()).size() != found.size()) std::abort();
    for (const int number : found)
        if (!help.topic(number)) std::abort();

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
