#include "ui/ButtonLook.h"

#include "ui/ControlPainter.h"
#include "ui/Glyphs.h"

ButtonLook ButtonLook::arrow(bool up, int fontUnits, int offsetUnits) {
    return {QString(QChar(up ? glyphs::kUpArrow : glyphs::kDownArrow)), glyphs::kSymbolFont,
            fontUnits, offsetUnits};
}

void PaintButtonLook(const ControlPainter& painter, ImageButton& button, const ButtonLook& look,
                     bool pressed) {
    painter.SetCaptionFont(button, look.fontUnits, FontStyle::Bold);
    painter.PaintBevel(button, pressed ? BevelStyle::Sunken : BevelStyle::Raised);
    painter.PaintCaption(button, QColor::fromRgb(pressed ? colours::kSilver : colours::kBlack),
                         look.caption, look.fontName, CaptionAlignment::Centre, look.offsetUnits);
}
