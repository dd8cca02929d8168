#pragma once

#include <QString>

// The faces the game's windows are painted in (the symbol glyphs have theirs
// in Glyphs.h).
namespace fonts {
// The table, its cells and captions, and the texts of most windows.
inline const QString kTimes = QStringLiteral("Times New Roman");
// The push buttons and the payoffs window.
inline const QString kArial = QStringLiteral("Arial");
// The payoffs tabs on a screen too small for Arial at a readable size.
inline const QString kArialNarrow = QStringLiteral("Arial Narrow");
}  // namespace fonts
