#pragma once

#include <QImage>
#include <cstdlib>

// Two pictures of a control alike to the eye: the text engine may smooth the
// edges of the same letter a shade differently from one painting to the next.
inline bool sameLook(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    constexpr int kShade = 16;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > kShade || std::abs(qGreen(p) - qGreen(q)) > kShade ||
                std::abs(qBlue(p) - qBlue(q)) > kShade)
                return false;
        }
    return true;
}
