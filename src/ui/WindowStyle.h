#pragma once

#include <QColor>
#include <array>

#include "core/state/Palette.h"
#include "ui/PaintCodes.h"

// What tells one window's painted controls from another's: the client height
// its fonts were designed for, the base colours of the five bevel styles and
// the caption alignments it offers.
struct WindowStyle {
    int designHeight = 400;
    std::array<QRgb, 5> styleColours{};                        // styles 1..5
    CaptionAlignment lastAlignment = CaptionAlignment::Right;  // the alignments offered end here

    QColor colourOf(BevelStyle style) const {
        return QColor::fromRgb(styleColours[static_cast<std::size_t>(static_cast<int>(style) - 1)]);
    }
    bool offers(CaptionAlignment alignment) const { return alignment <= lastAlignment; }
};

// The palette in the painting colours of the windows.
constexpr QRgb ToQRgb(Rgb c) { return qRgb(c.r, c.g, c.b); }
inline QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

namespace colours {
inline constexpr QRgb kBlue = ToQRgb(palette::kBlue);
inline constexpr QRgb kRed = ToQRgb(palette::kRed);
inline constexpr QRgb kFuchsia = ToQRgb(palette::kFuchsia);
inline constexpr QRgb kGreen = ToQRgb(palette::kGreen);
inline constexpr QRgb kSilver = ToQRgb(palette::kSilver);
inline constexpr QRgb kBlack = ToQRgb(palette::kBlack);
inline constexpr QRgb kLime = ToQRgb(palette::kLime);
inline constexpr QRgb kMaroon = ToQRgb(palette::kMaroon);
}  // namespace colours

namespace window_style {
using namespace colours;
// Blue buttons with fuchsia frames: the bevel colours of most windows.
inline constexpr std::array<QRgb, 5> kFuchsiaFrames{kBlue, kBlue, kFuchsia, kFuchsia, kFuchsia};
inline constexpr WindowStyle Table{
    400, {kBlue, kBlue, kRed, kRed, kFuchsia}, CaptionAlignment::WaySummary};
inline constexpr WindowStyle History{400, kFuchsiaFrames, CaptionAlignment::Right};
inline constexpr WindowStyle Payoffs{
    434, {kBlue, kBlue, kBlue, kBlue, kBlue}, CaptionAlignment::Right};
inline constexpr WindowStyle Replay{350, kFuchsiaFrames, CaptionAlignment::Right};
inline constexpr WindowStyle Frequency{373, kFuchsiaFrames, CaptionAlignment::Right};
inline constexpr WindowStyle YourPlay{440, kFuchsiaFrames, CaptionAlignment::Right};
inline constexpr WindowStyle SavedTickets{188, kFuchsiaFrames, CaptionAlignment::Right};
inline constexpr WindowStyle Pause{135, kFuchsiaFrames, CaptionAlignment::Right};
inline constexpr WindowStyle Sounds{108, kFuchsiaFrames, CaptionAlignment::Right};
}  // namespace window_style
