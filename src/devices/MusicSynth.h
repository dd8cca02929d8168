#pragma once

#include <QByteArray>
#include <QString>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

// The background music: a MIDI file played by FluidSynth with a General MIDI
// soundfont, rendered on demand into the mixer's stream. It loops until stopped.
class MusicSynth {
  public:
    static constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

    explicit MusicSynth(int sampleRate);
    ~MusicSynth();
    MusicSynth(const MusicSynth&) = delete;
    MusicSynth& operator=(const MusicSynth&) = delete;

    // Loads the soundfont; false with the reason when it cannot.
    bool loadSoundFont(const QString& path, QString* reason);
    // Plays the MIDI file from its beginning, looping; false with the reason.
    bool play(const QByteArray& midi, QString* reason);
    void stop();
    bool playing() const { return player_ != nullptr; }

    // Adds nothing: writes `frames` interleaved stereo frames of the music.
    void render(float* stereo, int frames);

  private:
    void deletePlayer();

    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_player_t* player_ = nullptr;
    bool soundFontLoaded_ = false;
};
