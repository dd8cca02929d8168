#include "devices/MusicSynth.h"

#include <fluidsynth.h>

#include <QFileInfo>
#include <algorithm>

#include "core/sound/MidiFile.h"

MusicSynth::MusicSynth(int sampleRate) {
    // FluidSynth's own messages would go to the terminal; failures are
    // reported by the game instead.
    for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    // The player advances with the samples we render, not with a system timer,
    // so the music keeps time with the device (or with a test rendering fast).
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    fluid_settings_setint(settings_, "synth.polyphony", 64);
    fluid_settings_setnum(settings_, "synth.gain", 0.5);
    synth_ = new_fluid_synth(settings_);
}

MusicSynth::~MusicSynth() {
    deletePlayer();
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

bool MusicSynth::loadSoundFont(const QString& path, QString* reason) {
    if (synth_ == nullptr) {
        if (reason) *reason = QStringLiteral("the synthesiser could not be created");
        return false;
    }
    if (!QFileInfo::exists(path) ||
        fluid_synth_sfload(synth_, QFile::encodeName(path).constData(), 1) == FLUID_FAILED) {
        if (reason) *reason = QStringLiteral("the soundfont %1 could not be loaded").arg(path);
        return false;
    }
    soundFontLoaded_ = true;
    return true;
}

bool MusicSynth::play(const QByteArray& midi, QString* reason) {
    deletePlayer();
    if (!soundFontLoaded_) {
        if (reason) *reason = QStringLiteral("no soundfont is loaded");
        return false;
    }
    // FluidSynth reads the events only while it plays, and a damaged file
    // there can bring the game down: it is checked whole first.
    QString damage;
    if (!CheckMidiFile(midi, &damage)) {
        if (reason)
            *reason = QStringLiteral("it is not a MIDI file that can be played (%1)").arg(damage);
        return false;
    }
    fluid_synth_system_reset(synth_);
    player_ = new_fluid_player(synth_);
    if (player_ == nullptr ||
        fluid_player_add_mem(player_, midi.constData(), static_cast<size_t>(midi.size())) !=
            FLUID_OK ||
        fluid_player_set_loop(player_, -1) != FLUID_OK || fluid_player_play(player_) != FLUID_OK) {
        deletePlayer();
        if (reason) *reason = QStringLiteral("it is not a MIDI file that can be played");
        return false;
    }
    return true;
}

void MusicSynth::stop() {
    deletePlayer();
    if (synth_) fluid_synth_all_sounds_off(synth_, -1);
}

void MusicSynth::deletePlayer() {
    if (player_ == nullptr) return;
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
}

void MusicSynth::render(float* stereo, int frames) {
    if (synth_ == nullptr) {
        std::fill(stereo, stereo + static_cast<std::ptrdiff_t>(frames) * 2, 0.0f);
        return;
    }
    fluid_synth_write_float(synth_, frames, stereo, 0, 2, stereo, 1, 2);
}
