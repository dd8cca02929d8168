#include <gtest/gtest.h>

#include "core/sound/WaveFile.h"

namespace {

// A file typed out by hand: 8-bit mono at 11025 Hz, a LIST chunk of odd
// length (padded) before the data, four samples.
QByteArray handWave(quint32 dataSize = 4) {
    QByteArray b;
    auto u32 = [&b](quint32 v) {
        for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&b](quint16 v) {
        b.append(static_cast<char>(v & 0xFF));
        b.append(static_cast<char>(v >> 8));
    };
    b.append("RIFF");
    u32(0);  // readers do not rely on it
    b.append("WAVE");
    b.append("fmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(11025);
    u32(11025);
    u16(1);
    u16(8);
    b.append("LIST");
    u32(3);
    b.append("abc");
    b.append('\0');
    b.append("data");
    u32(dataSize);
    b.append("\x80\xff\x00\x80", 4);
    return b;
}

TEST(WaveFileTest, ReadsTheFormatAndSkipsOtherChunksWithTheirPadding) {
    const std::optional<WaveFile> wave = WaveFile::parse(handWave());
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->sampleRate, 11025);
    EXPECT_EQ(wave->bitsPerSample, 8);
    EXPECT_EQ(wave->samples, QByteArray("\x80\xff\x00\x80", 4));
    EXPECT_EQ(wave->frames(), 4);
    EXPECT_EQ(wave->milliseconds(), 1);  // 4 / 11025 s, rounded up
}

TEST(WaveFileTest, DamagedFilesAreRefusedWithAReason) {
    QString reason;
    EXPECT_FALSE(WaveFile::parse(handWave(1000), &reason));  // data size past the end
    EXPECT_EQ(reason, "a chunk runs past the end of the file");
    EXPECT_FALSE(WaveFile::parse(QByteArray("RIFF\0\0\0\0WAVX", 12), &reason));
    EXPECT_FALSE(WaveFile::parse(handWave().left(40), &reason));
    QByteArray compressed = handWave();
    compressed[20] = 2;  // not PCM
    EXPECT_FALSE(WaveFile::parse(compressed, &reason));
    EXPECT_EQ(reason, "the samples are not PCM");
}

}  // namespace
