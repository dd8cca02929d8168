#pragma once

#include <QString>
#include <map>

// The help file: numbered topics, each with a title and a few paragraphs.
// Lines "@<number> <title>" start a topic; "#" lines are notes.
class HelpFile {
  public:
    struct Topic {
        QString title;
        QString text;  // paragraphs separated by blank lines
    };

    static HelpFile parse(const QString& source);
    // The help file built into the program.
    static HelpFile builtIn();

    const Topic* topic(int number) const;
    const std::map<int, Topic>& topics() const { return topics_; }

  private:
    std::map<int, Topic> topics_;
};
