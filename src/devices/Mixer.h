#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "devices/Recordings.h"

class MusicSynth;

// Mixes the one recording that plays and the music into the device's stereo
// stream. mix() runs on the audio thread; the other calls are made on the
// game's thread while the device is locked (or before it runs).
class Mixer {
  public:
    explicit Mixer(int deviceRate);

    // Starts a recording, cutting off the one that plays. Returns its serial.
    std::uint64_t start(std::shared_ptr<const Recording> recording);
    void setMusic(MusicSynth* music) { music_ = music; }
    // Called on the audio thread when a recording has been mixed to its end.
    void setOnRecordingEnd(std::function<void()> callback) { onEnd_ = std::move(callback); }

    // Fills `frames` interleaved stereo frames.
    void mix(float* stereo, int frames);

    // The serial of the last recording mixed to its end (0 before the first).
    std::uint64_t finishedSerial() const { return finished_.load(); }
    // The serial of the last recording whose first sample has been mixed.
    std::uint64_t startedSerial() const { return started_.load(); }
    // Frames mixed since the device started.
    std::uint64_t framesMixed() const { return framesMixed_.load(); }
    // Recordings replaced before their end.
    int cutOff() const { return cutOff_.load(); }
    int deviceRate() const { return deviceRate_; }

  private:
    int deviceRate_;
    std::shared_ptr<const Recording> playing_;
    double position_ = 0;  // in the recording's samples
    double step_ = 0;      // recording samples per device frame
    std::uint64_t serial_ = 0;
    MusicSynth* music_ = nullptr;
    std::function<void()> onEnd_;
    std::atomic<std::uint64_t> finished_{0};
    std::atomic<std::uint64_t> started_{0};
    std::atomic<std::uint64_t> framesMixed_{0};
    std::atomic<int> cutOff_{0};
};
