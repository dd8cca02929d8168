// A MIDI file of any bytes, as the game checks Keno.Mid before the
// synthesizer plays it; and a tune of notes taken from the input, whose
// written file the check must accept.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "FuzzInput.h"
#include "core/sound/MidiFile.h"

namespace {

MidiSong songFrom(FuzzInput& input) {
    MidiSong song;
    song.ticksPerQuarter = 1 + (input.byte() << 8 | input.byte()) % 0x7FFF;
    song.beatsPerMinute = input.byte();
    song.endTick = input.byte() << 8 | input.byte();
    const int tracks = input.byte() % 4;
    for (int t = 0; t < tracks; ++t) {
        MidiTrack track;
        const std::vector<std::uint8_t> name = input.bytes(input.byte() % 8);
        track.name = QString::fromLatin1(reinterpret_cast<const char*>(name.data()),
                                         static_cast<qsizetype>(name.size()));
        track.channel = input.byte() - 64;
        track.program = input.byte() * 2 - 64;
        track.volume = input.byte() * 2 - 64;
        track.pan = input.byte() * 2 - 64;
        const int notes = input.byte() % 16;
        for (int n = 0; n < notes; ++n) {
            MidiNote note;
            note.start = input.byte() << 8 | input.byte();
            note.length = input.byte() - 16;
            note.key = input.byte() * 2 - 64;
            note.velocity = input.byte() * 2 - 64;
            track.notes.push_back(note);
        }
        song.tracks.push_back(track);
    }
    return song;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString reason;
    if (!CheckMidiFile(bytes, &reason) && reason.isEmpty()) std::abort();

    FuzzInput input(data, size);
    const QByteArray written = WriteMidiFile(songFrom(input));
    if (!CheckMidiFile(written, &reason)) std::abort();
    return 0;
}
