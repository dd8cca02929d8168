// A wave file of any bytes, as the game reads its recordings: what the
// reader accepts is PCM it can decode, and every frame it counts lies within
// the samples it kept.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "core/sound/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString reason;
    const std::optional<WaveFile> wave = WaveFile::parse(bytes, &reason);
    if (!wave) {
        if (reason.isEmpty()) std::abort();  // a refusal always says why
        return 0;
    }
    if (wave->channels < 1 || wave->sampleRate < 1) std::abort();
    if (wave->bitsPerSample != 8 && wave->bitsPerSample != 16) std::abort();
    // The RIFF header, the format chunk and the data chunk's header take 44 bytes.
    if (wave->samples.size() > bytes.size() - 44) std::abort();
    const qint64 frameBytes = qint64{wave->channels} * (wave->bitsPerSample / 8);
    const qint64 frames = wave->frames();
    if (frames < 0 || frames * frameBytes > wave->samples.size() ||
        (frames + 1) * frameBytes <= wave->samples.size())
        std::abort();
    // The length is the frames' time, rounded up to the millisecond.
    const qint64 ms = wave->milliseconds();
    if (ms * wave->sampleRate < frames * 1000 || (ms - 1) * wave->sampleRate >= frames * 1000)
        std::abort();
    return 0;
}
