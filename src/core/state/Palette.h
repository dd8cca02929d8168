#pragma once

#include <cstdint>

// A colour as plain red, green and blue bytes. The rules hand colours to the
// windows in this form; the windows turn them into their painting colours.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

namespace palette {
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kFuchsia{255, 0, 255};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kSilver{192, 192, 192};  // unmarked numbers, a ball not caught
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kLime{0, 255, 0};      // "OPEN"
inline constexpr Rgb kMaroon{128, 0, 0};    // "CLOSED"
inline constexpr Rgb kYellow{255, 255, 0};  // set 1's check
}  // namespace palette

// The check-glyph colour of set k (1..80); the colours repeat every 40 sets.
Rgb SetColour(int k);
