#include "devices/Mixer.h"

#include <algorithm>

#include "devices/MusicSynth.h"

namespace {
// The recordings sit above the music, which stays in the background.
constexpr float kRecordingGain = 0.9f;
constexpr float kMusicGain = 0.45f;
}  // namespace

Mixer::Mixer(int deviceRate) : deviceRate_(deviceRate) {}

std::uint64_t Mixer::start(std::shared_ptr<const Recording> recording) {
    if (playing_) cutOff_.fetch_add(1);
    playing_ = std::move(recording);
    position_ = 0;
    step_ = playing_ ? static_cast<double>(playing_->sampleRate) / deviceRate_ : 0;
    return ++serial_;
}

void Mixer::mix(float* stereo, int frames) {
    if (music_ != nullptr && music_->playing()) {
        music_->render(stereo, frames);
        for (int i = 0; i < frames * 2; ++i) stereo[i] *= kMusicGain;
    } else {
        std::fill(stereo, stereo + static_cast<std::ptrdiff_t>(frames) * 2, 0.0f);
    }
    if (playing_) {
        if (position_ == 0) started_.store(serial_);
        const std::vector<float>& samples = playing_->samples;
        const double end = static_cast<double>(samples.size());
        int i = 0;
        // Linear interpolation from the recording's rate to the device's.
        for (; i < frames && position_ < end; ++i, position_ += step_) {
            const auto at = static_cast<std::size_t>(position_);
            const float fraction = static_cast<float>(position_ - static_cast<double>(at));
            const float next = at + 1 < samples.size() ? samples[at + 1] : 0.0f;
            const float value = (samples[at] + (next - samples[at]) * fraction) * kRecordingGain;
            stereo[2 * i] = std::clamp(stereo[2 * i] + value, -1.0f, 1.0f);
            stereo[2 * i + 1] = std::clamp(stereo[2 * i + 1] + value, -1.0f, 1.0f);
        }
        if (position_ >= end) {
            playing_.reset();
            finished_.store(serial_);
            if (onEnd_) onEnd_();
        }
    }
    framesMixed_.fetch_add(static_cast<std::uint64_t>(frames));
}
