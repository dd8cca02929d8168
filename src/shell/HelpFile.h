#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

// The help file: numbered topics, each with a title and a few paragraphs,
// grouped into the sections of the contents.
// Lines "@<number> <title>" start a topic; "== <title>" starts a section of
// the contents; "#" lines are notes. In a topic's text "[[37]]" links to topic
// 37 under its title and "[[37|these words]]" links these words.
class HelpFile {
  public:
    struct Topic {
        QString title;
        QString text;  // paragraphs separated by blank lines, links still marked up
    };
    struct Section {
        QString title;
        std::vector<int> topics;  // in the order of the file
    };
    struct Link {
        int target = 0;
        QString words;  // what the link says; empty for the target's title
    };

    static HelpFile parse(const QString& source);
    // The help file built into the program.
    static HelpFile builtIn();

    const Topic* topic(int number) const;
    const std::map<int, Topic>& topics() const { return topics_; }
    const std::vector<Section>& sections() const { return sections_; }

    // Every link in a topic's text, in order.
    static std::vector<Link> links(const QString& text);
    // The text as a reader sees it: each link replaced by its words.
    QString plainText(const QString& text) const;
    // The text as HTML paragraphs, links as "help:<number>" anchors.
    QString html(const QString& text) const;
    // The topics whose title and text, as a reader sees them, hold every one of
    // the words (letter case aside): those whose title holds them all first,
    // then the others, each in the order of the contents.
    std::vector<int> find(const QString& words) const;
    // The words of what a reader typed into find.
    static QStringList wordsOf(const QString& typed);

  private:
    QString linkWords(const Link& link) const;

    std::map<int, Topic> topics_;
    std::vector<Section> sections_;
};
