#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A RIFF wave file of PCM samples, read field by field from its chunks.
struct WaveFile {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    QByteArray samples;  // the data chunk as stored

    int frames() const;
    // Length in milliseconds, rounded up.
    int milliseconds() const;

    // The file, or the reason it is not a PCM wave file we can play.
    static std::optional<WaveFile> parse(const QByteArray& bytes, QString* reason = nullptr);
};
