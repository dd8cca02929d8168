#include "core/sound/KenoTune.h"

#include <QStringList>
#include <array>

namespace {

constexpr int kTicks = 480;  // per quarter note
constexpr int kBeatsPerBar = 4;
constexpr int kBars = 24;
constexpr int kSwing = kTicks * 2 / 3;  // the swung "and" of a beat

// General MIDI instruments and drum keys.
constexpr int kVibraphone = 11;
constexpr int kElectricPiano = 4;
constexpr int kAcousticBass = 32;
constexpr int kDrumChannel = 9;
constexpr int kKick = 36;
constexpr int kPedalHiHat = 44;
constexpr int kRide = 51;

struct Chord {
    int root;  // pitch class, C = 0
    std::array<int, 4> intervals;
};
constexpr std::array<int, 4> kMaj7{0, 4, 7, 11};
constexpr std::array<int, 4> kMin7{0, 3, 7, 10};
constexpr std::array<int, 4> kDom7{0, 4, 7, 10};
constexpr std::array<int, 4> kMin6{0, 3, 7, 9};
constexpr Chord F{5, kMaj7}, Dm{2, kMin7}, Gm{7, kMin7}, C7{0, kDom7}, Bb{10, kMaj7},
    Bbm6{10, kMin6}, Am{9, kMin7}, D7{2, kDom7};

// Each bar holds one chord, or two for a half bar each.
struct Bar {
    Chord first;
    Chord second;
    bool split = false;
};
constexpr std::array<Bar, kBars> kChanges{{
    {F, F},   {Dm, Dm},     {Gm, Gm}, {C7, C7}, {F, F},   {Dm, Dm}, {Gm, C7, true}, {F, F},
    {Bb, Bb}, {Bbm6, Bbm6}, {Am, Am}, {D7, D7}, {Gm, Gm}, {C7, C7}, {Am, D7, true}, {Gm, C7, true},
    {F, F},   {Dm, Dm},     {Gm, Gm}, {C7, C7}, {Am, Am}, {D7, D7}, {Gm, Gm},       {C7, C7},
}};

// The melody, bar by bar: "beat:length:note" in beats (1.667 is the swung
// "and" of beat two); notes by name and octave, C4 = middle C.
const char* const kMelody[kBars] = {
    "0:1.5:A5 1.667:0.333:G5 2:1:F5 3:1:E5",
    "0:2:D5 2.667:0.333:F5 3:1:A5",
    "0:1.5:Bb5 1.667:0.333:A5 2:1:G5 3:1:F5",
    "0:3:E5 3:0.667:G5 3.667:0.333:Bb5",
    "0:1.5:A5 1.667:0.333:C6 2:2:A5",
    "0:1:F5 1:0.667:E5 1.667:0.333:D5 2:2:C5",
    "0:1:Bb4 1:1:D5 2:1:E5 3:1:G5",
    "0:3:F5",
    "0:1.5:D6 1.667:0.333:C6 2:1:A5 3:1:F5",
    "0:2:Db6 2:1:Bb5 3:1:G5",
    "0:1.5:C6 1.667:0.333:A5 2:2:E5",
    "0:1:F#5 1:1:A5 2:1:C6 3:1:D6",
    "0:3:Bb5 3:1:A5",
    "0:1:G5 1:1:E5 2:1:C5 3:1:Bb4",
    "0:1.5:A4 1.667:0.333:C5 2:1.5:F#5 3.667:0.333:A5",
    "0:2:G5 2:2:E5",
    "0:1.5:A5 1.667:0.333:G5 2:1:F5 3:1:E5",
    "0:2:D5 2.667:0.333:F5 3:1:A5",
    "0:1.5:Bb5 1.667:0.333:A5 2:1:G5 3:1:F5",
    "0:3:E5 3:0.667:G5 3.667:0.333:Bb5",
    "0:1.5:E6 1.667:0.333:D6 2:2:C6",
    "0:1:A5 1:1:F#5 2:2:D5",
    "0:1:Bb5 1:1:A5 2:1:G5 3:1:F5",
    "0:2:E5 2:1:G5 3:1:Bb5",
};

int ticks(double beats) { return static_cast<int>(beats * kTicks + 0.5); }
int barStart(int bar) { return bar * kBeatsPerBar * kTicks; }

// "Bb5" -> 82.
int keyOf(const QString& name) {
    static const int kNatural[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    int pitch = kNatural[name.at(0).toLatin1() - 'A'];
    int at = 1;
    if (name.at(at) == QLatin1Char('#')) ++pitch, ++at;
    if (name.at(at) == QLatin1Char('b')) --pitch, ++at;
    return (name.mid(at).toInt() + 1) * 12 + pitch;
}

// Puts a pitch class into [low, low + 12).
int within(int pitchClass, int low) { return low + ((pitchClass - low) % 12 + 12) % 12; }

MidiTrack melody() {
    MidiTrack track{QStringLiteral("Vibraphone"), 0, kVibraphone, 96, 72, {}};
    for (int bar = 0; bar < kBars; ++bar) {
        int i = 0;
        for (const QString& note : QString::fromLatin1(kMelody[bar]).split(QLatin1Char(' '))) {
            const QStringList parts = note.split(QLatin1Char(':'));
            const int velocity = (i++ == 0 ? 84 : 72) + (bar % 4 == 0 ? 6 : 0);
            track.notes.push_back({barStart(bar) + ticks(parts[0].toDouble()),
                                   ticks(parts[1].toDouble()) - 20, keyOf(parts[2]), velocity});
        }
    }
    return track;
}

void comp(MidiTrack& track, const Chord& chord, int start, bool halfBar) {
    // Charleston: on the beat, and on the swung "and" of the next.
    const int hits[][2] = {{0, ticks(1.2)}, {kTicks + kSwing, ticks(0.9)}};
    for (const auto& [offset, length] : hits) {
        if (halfBar && offset != 0) continue;
        for (int interval : chord.intervals)
            track.notes.push_back({start + offset, halfBar ? ticks(1.6) : length,
                                   within(chord.root + interval, 55), offset == 0 ? 58 : 50});
    }
}

MidiTrack piano() {
    MidiTrack track{QStringLiteral("Electric piano"), 1, kElectricPiano, 78, 48, {}};
    for (int bar = 0; bar < kBars; ++bar) {
        const Bar& b = kChanges[static_cast<std::size_t>(bar)];
        comp(track, b.first, barStart(bar), b.split);
        if (b.split) comp(track, b.second, barStart(bar) + 2 * kTicks, true);
    }
    return track;
}

MidiTrack bass() {
    MidiTrack track{QStringLiteral("Bass"), 2, kAcousticBass, 104, 64, {}};
    for (int bar = 0; bar < kBars; ++bar) {
        const Bar& b = kChanges[static_cast<std::size_t>(bar)];
        const Bar& next = kChanges[static_cast<std::size_t>((bar + 1) % kBars)];
        const int root = within(b.first.root, 33);
        const int nextRoot = within(next.first.root, 33);
        // Walking quarters; the fourth leads a half step into the next root.
        std::array<int, 4> walk{root, root + b.first.intervals[1], root + 7, nextRoot + 1};
        if (b.split) {
            const int second = within(b.second.root, 33);
            walk = {root, root + 7, second, nextRoot - 1};
        }
        for (int beat = 0; beat < kBeatsPerBar; ++beat)
            track.notes.push_back({barStart(bar) + beat * kTicks, kTicks - 40,
                                   walk[static_cast<std::size_t>(beat)], beat == 0 ? 92 : 80});
    }
    return track;
}

MidiTrack drums() {
    MidiTrack track{QStringLiteral("Brushes"), kDrumChannel, 0, 70, 64, {}};
    for (int bar = 0; bar < kBars; ++bar) {
        for (int beat = 0; beat < kBeatsPerBar; ++beat) {
            const int at = barStart(bar) + beat * kTicks;
            track.notes.push_back({at, kTicks / 4, kRide, beat % 2 == 0 ? 52 : 60});
            if (beat % 2 == 1) {
                track.notes.push_back({at + kSwing, kTicks / 4, kRide, 40});
                track.notes.push_back({at, kTicks / 4, kPedalHiHat, 48});
            }
        }
        track.notes.push_back({barStart(bar), kTicks / 2, kKick, 44});
    }
    return track;
}

}  // namespace

MidiSong KenoTune() {
    MidiSong song;
    song.ticksPerQuarter = kTicks;
    song.beatsPerMinute = 96;
    song.endTick = barStart(kBars);
    song.tracks = {melody(), piano(), bass(), drums()};
    return song;
}
