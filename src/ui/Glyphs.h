#pragma once

#include <QString>

// The symbol font of the captions has no place on this desktop: its check and
// arrowhead characters are drawn from Unicode in a font that has them.
struct ResolvedText {
    QString family;
    QString text;
};

namespace glyphs {
inline const QString kSymbolFont = QStringLiteral("WingDings");
inline constexpr char16_t kCheck = 252;
inline constexpr char16_t kUpArrow = 217;
inline constexpr char16_t kDownArrow = 218;

ResolvedText Resolve(const QString& fontName, const QString& text);
}  // namespace glyphs
