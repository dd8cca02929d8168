#include "core/sound/WaveFile.h"

#include <QtEndian>

namespace {

constexpr int kRiffHeader = 12;  // "RIFF", size, "WAVE"
constexpr int kChunkHeader = 8;  // id, size
constexpr int kPcmFormatSize = 16;
constexpr quint16 kPcm = 1;

quint32 u32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 u16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

std::optional<WaveFile> fail(QString* reason, const char* text) {
    if (reason) *reason = QString::fromLatin1(text);
    return std::nullopt;
}

}  // namespace

int WaveFile::frames() const {
    const int frameBytes = channels * ((bitsPerSample + 7) / 8);
    return frameBytes > 0 ? static_cast<int>(samples.size() / frameBytes) : 0;
}

int WaveFile::milliseconds() const {
    if (sampleRate <= 0) return 0;
    return static_cast<int>((static_cast<qint64>(frames()) * 1000 + sampleRate - 1) / sampleRate);
}

std::optional<WaveFile> WaveFile::parse(const QByteArray& bytes, QString* reason) {
    if (bytes.size() < kRiffHeader || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return fail(reason, "not a RIFF wave file");
    WaveFile wave;
    bool haveFormat = false;
    qsizetype at = kRiffHeader;
    while (at + kChunkHeader <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(bytes, at + 4);
        const qsizetype body = at + kChunkHeader;
        // A damaged size must not reach past the file.
        if (size > bytes.size() - body)
            return fail(reason, "a chunk runs past the end of the file");
        if (id == "fmt ") {
            if (size < kPcmFormatSize) return fail(reason, "the format chunk is too short");
            if (u16(bytes, body) != kPcm) return fail(reason, "the samples are not PCM");
            wave.channels = u16(bytes, body + 2);
            wave.sampleRate = static_cast<int>(u32(bytes, body + 4));
            wave.bitsPerSample = u16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return fail(reason, "the samples come before their format");
            if (wave.channels < 1 || wave.sampleRate < 1 ||
                (wave.bitsPerSample != 8 && wave.bitsPerSample != 16))
                return fail(reason, "the sample format is not 8- or 16-bit PCM");
            wave.samples = bytes.mid(body, size);
            return wave;
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return fail(reason, "there are no samples");
}
