#include <gtest/gtest.h>

#include "core/sound/KenoTune.h"
#include "core/sound/MidiFile.h"

namespace {

TEST(MidiFileTest, OneNoteSongAgainstBytesTypedByHand) {
    MidiSong song;
    song.ticksPerQuarter = 96;
    song.beatsPerMinute = 120;
    song.endTick = 192;
    song.tracks.push_back({QStringLiteral("A"), 0, 11, 100, 64, {{0, 96, 60, 80}}});
    const QByteArray expected = QByteArray::fromHex(
        "4d546864 00000006 0001 0002 0060"
        "4d54726b 00000014"
        "00ff510307a120 00ff580404021808 8140ff2f00"
        "4d54726b 0000001c"
        "00ff030141 00c00b 00b00764 00b00a40 00903c50 60803c00 60ff2f00");
    EXPECT_EQ(WriteMidiFile(song).toHex(), expected.toHex());
}

TEST(MidiFileTest, ANoteEndingWhereTheNextStartsIsReleasedFirst) {
    MidiSong song;
    song.ticksPerQuarter = 96;
    song.tracks.push_back(
        {QStringLiteral("A"), 2, 0, 100, 64, {{96, 96, 62, 70}, {0, 96, 62, 70}}});
    const QByteArray bytes = WriteMidiFile(song);
    // ... off at 96, then on at 96, both for key 62 on channel 2.
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("60823e00 00923e46")));
}

TEST(MidiFileTest, TheTuneLastsAboutAMinuteAndEveryNoteFitsInIt) {
    const MidiSong tune = KenoTune();
    const double seconds =
        static_cast<double>(tune.endTick) / tune.ticksPerQuarter * 60.0 / tune.beatsPerMinute;
    EXPECT_GE(seconds, 50.0);
    EXPECT_LE(seconds, 70.0);
    for (const MidiTrack& track : tune.tracks)
        for (const MidiNote& note : track.notes) {
            EXPECT_GE(note.start, 0);
            EXPECT_LE(note.start + note.length, tune.endTick) << track.name.toStdString();
            EXPECT_GT(note.length, 0);
        }
}

}  // namespace

namespace {

TEST(MidiFileTest, OnlyAWholeWellFormedFileIsPassedToThePlayer) {
    const QByteArray tune = WriteMidiFile(KenoTune());
    EXPECT_TRUE(CheckMidiFile(tune));
    QString reason;
    EXPECT_FALSE(CheckMidiFile("not midi", &reason));
    EXPECT_EQ(reason, "it has no MIDI header");
    EXPECT_FALSE(CheckMidiFile(tune.left(tune.size() - 3), &reason));
    EXPECT_EQ(reason, "a track runs past the end of the file");
    QByteArray noStatus = tune;
    noStatus[22 + 1] = 0x10;  // the tempo track's first event: data with no status before it
    EXPECT_FALSE(CheckMidiFile(noStatus, &reason));
    EXPECT_EQ(reason, "a track is damaged");
}

}  // namespace
