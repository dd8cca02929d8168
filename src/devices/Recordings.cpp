#include "devices/Recordings.h"

#include <QFile>

#include "core/sound/WaveFile.h"

static void initRecordingResources() { Q_INIT_RESOURCE(recordings); }

namespace {

std::shared_ptr<const Recording> decode(const WaveFile& wave) {
    auto recording = std::make_shared<Recording>();
    recording->sampleRate = wave.sampleRate;
    const int frames = wave.frames();
    recording->samples.reserve(static_cast<std::size_t>(frames));
    const auto* bytes = reinterpret_cast<const unsigned char*>(wave.samples.constData());
    const int bytesPerSample = wave.bitsPerSample / 8;
    const int frameBytes = bytesPerSample * wave.channels;
    // Only the first channel is heard: the recordings are mono.
    for (int i = 0; i < frames; ++i) {
        const unsigned char* at = bytes + static_cast<std::ptrdiff_t>(i) * frameBytes;
        const float sample =
            bytesPerSample == 1
                ? (static_cast<float>(at[0]) - 128.0f) / 128.0f
                : static_cast<float>(static_cast<std::int16_t>(at[0] | (at[1] << 8))) / 32768.0f;
        recording->samples.push_back(sample);
    }
    return recording;
}

}  // namespace

int Recording::milliseconds() const {
    if (sampleRate <= 0) return 0;
    return static_cast<int>((static_cast<long long>(samples.size()) * 1000 + sampleRate - 1) /
                            sampleRate);
}

Recordings::Recordings() { initRecordingResources(); }

QString Recordings::resourcePath(const QString& name) { return QStringLiteral(":/sounds/") + name; }

std::shared_ptr<const Recording> Recordings::get(const QString& name) {
    const auto found = cache_.constFind(name);
    if (found != cache_.constEnd()) return *found;
    std::shared_ptr<const Recording> recording;
    QFile file(resourcePath(name));
    if (file.open(QIODevice::ReadOnly)) {
        if (const std::optional<WaveFile> wave = WaveFile::parse(file.readAll()))
            recording = decode(*wave);
    }
    cache_.insert(name, recording);
    return recording;
}
