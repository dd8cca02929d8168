#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// A tune as notes on tracks, and its standard MIDI file (format 1).
struct MidiNote {
    int start = 0;   // in ticks
    int length = 0;  // in ticks
    int key = 60;    // middle C
    int velocity = 80;
};

struct MidiTrack {
    QString name;
    int channel = 0;   // 0..15; 9 is the General MIDI drum kit
    int program = 0;   // General MIDI instrument 0..127 (ignored on channel 9)
    int volume = 100;  // controller 7
    int pan = 64;      // controller 10
    std::vector<MidiNote> notes;
};

struct MidiSong {
    int ticksPerQuarter = 480;
    int beatsPerMinute = 120;
    int endTick = 0;  // every track ends here, so a loop keeps its time
    std::vector<MidiTrack> tracks;
};

// The bytes of a format 1 file: a tempo track, then one track per MidiTrack.
QByteArray WriteMidiFile(const MidiSong& song);

// Walks every chunk and event of a standard MIDI file; false, with the
// reason, for anything a player could run off the end of or misread.
bool CheckMidiFile(const QByteArray& bytes, QString* reason = nullptr);
