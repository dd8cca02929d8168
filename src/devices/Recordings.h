#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

// One recording ready for the mixer: mono samples in -1..1 at their own rate.
struct Recording {
    int sampleRate = 0;
    std::vector<float> samples;

    int milliseconds() const;
};

// The recordings built into the program (":/sounds/WAVE_n"), decoded on first
// use and kept.
class Recordings {
  public:
    Recordings();

    // nullptr when there is no such recording or it cannot be read.
    std::shared_ptr<const Recording> get(const QString& name);

    // The resource path of a recording.
    static QString resourcePath(const QString& name);

  private:
    QHash<QString, std::shared_ptr<const Recording>> cache_;
};
