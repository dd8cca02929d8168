#include "core/sound/MidiFile.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace {

constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kController = 0xB0;
constexpr std::uint8_t kProgram = 0xC0;
constexpr std::uint8_t kMeta = 0xFF;
constexpr std::uint8_t kTrackName = 0x03;
constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr std::uint8_t kTempo = 0x51;
constexpr std::uint8_t kTimeSignature = 0x58;
constexpr std::uint8_t kVolume = 7;
constexpr std::uint8_t kPan = 10;

void put32(QByteArray& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}
void put16(QByteArray& out, std::uint16_t value) {
    out.append(static_cast<char>(value >> 8));
    out.append(static_cast<char>(value & 0xFF));
}
// A variable-length quantity: seven bits per byte, the high bit set on all but the last.
void putVariable(QByteArray& out, std::uint32_t value) {
    std::uint8_t bytes[5];
    int count = 0;
    do {
        bytes[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 0) {
        const std::uint8_t byte = bytes[--count];
        out.append(static_cast<char>(count > 0 ? (byte | 0x80) : byte));
    }
}

struct Event {
    int tick;
    int order;  // at one tick: set-up first, then note-offs, then note-ons
    QByteArray bytes;
};

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values) bytes.append(static_cast<char>(v & 0xFF));
    return bytes;
}

QByteArray metaText(std::uint8_t type, const QString& text) {
    const QByteArray latin = text.toLatin1();
    QByteArray bytes = bytesOf({kMeta, type});
    putVariable(bytes, static_cast<std::uint32_t>(latin.size()));
    return bytes + latin;
}

QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray out(id, 4);
    put32(out, static_cast<std::uint32_t>(body.size()));
    return out + body;
}

QByteArray trackChunk(std::vector<Event> events, int endTick) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
    });
    QByteArray body;
    int last = 0;
    for (const Event& event : events) {
        putVariable(body, static_cast<std::uint32_t>(event.tick - last));
        body += event.bytes;
        last = event.tick;
    }
    putVariable(body, static_cast<std::uint32_t>(std::max(0, endTick - last)));
    body += bytesOf({kMeta, kEndOfTrack, 0});
    return chunk("MTrk", body);
}

}  // namespace

QByteArray WriteMidiFile(const MidiSong& song) {
    int endTick = song.endTick;
    for (const MidiTrack& track : song.tracks)
        for (const MidiNote& note : track.notes)
            endTick = std::max(endTick, note.start + note.length);

    QByteArray file;
    QByteArray header;
    put16(header, 1);
    put16(header, static_cast<std::uint16_t>(song.tracks.size() + 1));
    put16(header, static_cast<std::uint16_t>(song.ticksPerQuarter));
    file += chunk("MThd", header);

    std::vector<Event> tempo;
    const auto microseconds =
        static_cast<std::uint32_t>(60'000'000 / std::max(1, song.beatsPerMinute));
    tempo.push_back(
        {0, 0,
         bytesOf({kMeta, kTempo, 3, static_cast<int>(microseconds >> 16),
                  static_cast<int>(microseconds >> 8), static_cast<int>(microseconds)})});
    tempo.push_back({0, 0, bytesOf({kMeta, kTimeSignature, 4, 4, 2, 24, 8})});
    file += trackChunk(tempo, endTick);

    for (const MidiTrack& track : song.tracks) {
        const int channel = std::clamp(track.channel, 0, 15);
        std::vector<Event> events;
        events.push_back({0, 0, metaText(kTrackName, track.name)});
        events.push_back({0, 0, bytesOf({kProgram | channel, std::clamp(track.program, 0, 127)})});
        events.push_back(
            {0, 0, bytesOf({kController | channel, kVolume, std::clamp(track.volume, 0, 127)})});
        events.push_back(
            {0, 0, bytesOf({kController | channel, kPan, std::clamp(track.pan, 0, 127)})});
        for (const MidiNote& note : track.notes) {
            const int key = std::clamp(note.key, 0, 127);
            events.push_back(
                {note.start, 2,
                 bytesOf({kNoteOn | channel, key, std::clamp(note.velocity, 1, 127)})});
            events.push_back(
                {note.start + std::max(1, note.length), 1, bytesOf({kNoteOff | channel, key, 0})});
        }
        file += trackChunk(std::move(events), endTick);
    }
    return file;
}

namespace {

class Reader {
  public:
    Reader(const QByteArray& bytes, qsizetype at, qsizetype end)
        : bytes_(bytes), at_(at), end_(end) {}
    bool atEnd() const { return at_ >= end_; }
    bool byte(int& value) {
        if (at_ >= end_) return false;
        value = static_cast<unsigned char>(bytes_[at_++]);
        return true;
    }
    bool variable(std::uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            int b = 0;
            if (!byte(b)) return false;
            value = (value << 7) | static_cast<std::uint32_t>(b & 0x7F);
            if ((b & 0x80) == 0) return true;
        }
        return false;  // longer than four bytes
    }
    bool skip(std::uint32_t count) {
        if (count > static_cast<std::uint64_t>(end_ - at_)) return false;
        at_ += count;
        return true;
    }

  private:
    const QByteArray& bytes_;
    qsizetype at_;
    qsizetype end_;
};

bool checkTrack(Reader track) {
    int running = 0;
    while (!track.atEnd()) {
        std::uint32_t delta = 0;
        int status = 0;
        if (!track.variable(delta) || !track.byte(status)) return false;
        if (status < 0x80) {
            if (running == 0) return false;  // data without a status
            status = running;
            if (!track.skip((status & 0xE0) == 0xC0 ? 0 : 1)) return false;
            continue;
        }
        std::uint32_t length = 0;
        if (status == 0xFF) {
            int type = 0;
            if (!track.byte(type) || !track.variable(length) || !track.skip(length)) return false;
            if (type == 0x2F) return track.atEnd();
        } else if (status == 0xF0 || status == 0xF7) {
            if (!track.variable(length) || !track.skip(length)) return false;
        } else if (status >= 0xF0) {
            return false;
        } else {
            running = status;
            if (!track.skip((status & 0xE0) == 0xC0 ? 1 : 2)) return false;
        }
    }
    return false;  // no end of track
}

bool refuse(QString* reason, const char* text) {
    if (reason) *reason = QString::fromLatin1(text);
    return false;
}

}  // namespace

bool CheckMidiFile(const QByteArray& bytes, QString* reason) {
    auto u32 = [&bytes](qsizetype at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]) << 24 |
                                          static_cast<unsigned char>(bytes[at + 1]) << 16 |
                                          static_cast<unsigned char>(bytes[at + 2]) << 8 |
                                          static_cast<unsigned char>(bytes[at + 3]));
    };
    if (bytes.size() < 14 || !bytes.startsWith("MThd") || u32(4) < 6)
        return refuse(reason, "it has no MIDI header");
    const int tracks =
        static_cast<unsigned char>(bytes[10]) << 8 | static_cast<unsigned char>(bytes[11]);
    if (tracks < 1) return refuse(reason, "it has no tracks");
    qsizetype at = 8 + u32(4);
    for (int t = 0; t < tracks; ++t) {
        if (at + 8 > bytes.size() || bytes.mid(at, 4) != "MTrk")
            return refuse(reason, "a track is missing");
        const std::uint32_t size = u32(at + 4);
        if (size > static_cast<std::uint64_t>(bytes.size() - at - 8))
            return refuse(reason, "a track runs past the end of the file");
        if (!checkTrack(Reader(bytes, at + 8, at + 8 + size)))
            return refuse(reason, "a track is damaged");
        at += 8 + size;
    }
    return true;
}
