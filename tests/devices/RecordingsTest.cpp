#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include "core/sound/SoundCatalogue.h"
#include "core/sound/WaveFile.h"
#include "devices/Recordings.h"

namespace {

// The recordings heard at the higher rate; every other one is at 11025 Hz.
const QSet<int> kAt22050{81, 82, 83, 84, 85, 86, 87, 88, 90, 93, 94, 96, 97};

TEST(RecordingsTest, AllHundredAndThreeAreBuiltInAsEightBitMonoPcmAtTheirRate) {
    Recordings recordings;  // makes the resources available
    int found = 0;
    for (int n = 0; n <= 202; ++n) {
        if (n > 99 && n < 200) continue;
        const QString name = QStringLiteral("WAVE_%1").arg(n);
        QFile file(Recordings::resourcePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QString reason;
        const std::optional<WaveFile> wave = WaveFile::parse(file.readAll(), &reason);
        ASSERT_TRUE(wave) << name.toStdString() << ": " << reason.toStdString();
        EXPECT_EQ(wave->channels, 1) << name.toStdString();
        EXPECT_EQ(wave->bitsPerSample, 8) << name.toStdString();
        EXPECT_EQ(wave->sampleRate, kAt22050.contains(n) ? 22050 : 11025) << name.toStdString();
        // Something to hear, and short enough to keep the draw moving.
        EXPECT_GE(wave->milliseconds(), 20) << name.toStdString();
        EXPECT_LE(wave->milliseconds(), n >= 1 && n <= 80 ? 1500 : 4000) << name.toStdString();
        ++found;
    }
    EXPECT_EQ(found, 103);
    EXPECT_EQ(sounds::RecordingNames().size(), 103);
    EXPECT_FALSE(QFile::exists(Recordings::resourcePath(QStringLiteral("WAVE_100"))));
}

TEST(RecordingsTest, AnUnknownNameIsSkippedAndAKnownOneIsDecodedOnce) {
    Recordings recordings;
    EXPECT_EQ(recordings.get(QStringLiteral("WAVE_150")), nullptr);
    const auto first = recordings.get(QStringLiteral("WAVE_89"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->sampleRate, 11025);
    EXPECT_EQ(recordings.get(QStringLiteral("WAVE_89")).get(), first.get());
}

}  // namespace
