#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// The program's one random source: a 32-bit linear congruential generator,
// reseeded from the UTC time of day at every draw and quick pick.
class RandomSource {
  public:
    // Milliseconds since midnight UTC; tests put a fixed clock in its place.
    using Clock = std::function<std::uint32_t()>;

    explicit RandomSource(Clock clock = utcMillisecondsOfDay);

    // seed := the clock's time of day. Within the millisecond of the last
    // reseed the sequence goes on instead: a quick pick and the draw that
    // follows it at once must not get the same numbers.
    void reseed();
    void setSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }

    // Advances the seed, then returns an integer in 0..n-1.
    std::uint32_t below(std::uint32_t n);

    static std::uint32_t utcMillisecondsOfDay();

  private:
    Clock clock_;
    std::uint32_t seed_ = 0;
    std::optional<std::uint32_t> lastReseed_;
};
