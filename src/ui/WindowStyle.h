#pragma once

#include <QColor>
#include <array>

// What tells one window's painted controls from another's: the client height
// its fonts were designed for, the base colours of the five bevel styles and
// the caption alignments it offers.
struct WindowStyle {
    int designHeight = 400;
    std::array<QRgb, 5> styleColours{};  // styles 1..5
    int lastAlignment = 2;               // alignments 0..lastAlignment are offered

    QColor colourOf(int style) const {
        if (style < 1 || style > 5) style = 1;
        return QColor::fromRgb(styleColours[static_cast<std::size_t>(style - 1)]);
    }
};

namespace colours {
inline constexpr QRgb kBlue = 0xff0000ff;
inline constexpr QRgb kRed = 0xffff0000;
inline constexpr QRgb kFuchsia = 0xffff00ff;
inline constexpr QRgb kGreen = 0xff008000;
inline constexpr QRgb kSilver = 0xffc0c0c0;
inline constexpr QRgb kBlack = 0xff000000;
inline constexpr QRgb kLime = 0xff00ff00;
inline constexpr QRgb kMaroon = 0xff800000;
}  // namespace colours

namespace window_style {
using namespace colours;
inline constexpr WindowStyle Keno{400, {kBlue, kBlue, kRed, kRed, kFuchsia}, 5};
inline constexpr WindowStyle History{400, {kBlue, kBlue, kFuchsia, kFuchsia, kFuchsia}, 2};
inline constexpr WindowStyle PayOffOd{434, {kBlue, kBlue, kBlue, kBlue, kBlue}, 2};
inline constexpr WindowStyle ShowGame{350, {kBlue, kBlue, kFuchsia, kFuchsia, kFuchsia}, 2};
inline constexpr WindowStyle Balls{373, {kBlue, kBlue, kFuchsia, kFuchsia, kFuchsia}, 2};
inline constexpr WindowStyle SaveLoad{188, {kBlue, kBlue, kFuchsia, kFuchsia, kFuchsia}, 2};
inline constexpr WindowStyle Pause{135, {kBlue, kBlue, kFuchsia, kFuchsia, kFuchsia}, 2};
inline constexpr WindowStyle Sounds{108, {kBlue, kBlue, kFuchsia, kFuchsia, kFuchsia}, 2};
}  // namespace window_style
