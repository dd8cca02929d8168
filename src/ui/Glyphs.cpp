#include "ui/Glyphs.h"

namespace glyphs {

ResolvedText Resolve(const QString& fontName, const QString& text) {
    if (fontName.compare(kSymbolFont, Qt::CaseInsensitive) != 0) return {fontName, text};
    QString mapped;
    for (QChar c : text) {
        switch (c.unicode()) {
            case kCheck:
                mapped += QChar(0x2714);
                break;
            case kUpArrow:
                mapped += QChar(0x25B2);
                break;
            case kDownArrow:
                mapped += QChar(0x25BC);
                break;
            default:
                mapped += c;
                break;
        }
    }
    return {QStringLiteral("DejaVu Sans"), mapped};
}

}  // namespace glyphs
