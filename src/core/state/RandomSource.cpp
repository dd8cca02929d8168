#include "core/state/RandomSource.h"

#include <QDateTime>
#include <QTime>

RandomSource::RandomSource(Clock clock) : clock_(std::move(clock)) {}

void RandomSource::reseed() {
    const std::uint32_t now = clock_();
    if (lastReseed_ == now) return;
    lastReseed_ = now;
    seed_ = now;
}

std::uint32_t RandomSource::below(std::uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;  // wraps mod 2^32
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
}

std::uint32_t RandomSource::utcMillisecondsOfDay() {
    const QTime t = QDateTime::currentDateTimeUtc().time();
    return static_cast<std::uint32_t>(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 +
                                      t.msec());
}
