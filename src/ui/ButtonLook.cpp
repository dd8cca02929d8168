#include "ui/ButtonLook.h"

#include "ui/ControlPainter.h"
#include "ui/Fonts.h"
#include "ui/Glyphs.h"

ButtonLook ButtonLook::arrow(bool up, int fontUnits, int offsetUnits) {
    return {QString(QChar(up ? glyphs::kUpArrow : glyphs::kDownArrow)), glyphs::kSymbolFont,
            fontUnits, offsetUnits};
}

ButtonLook ButtonLook::push(const QString& caption) { return {caption, fonts::kArial, 13, 9}; }

void PaintButtonLook(const ControlPainter& painter, PictureControl& button, const ButtonLook& look,
                     bool pressed) {
    painter.setCaptionFont(button, look.fontUnits, FontStyle::Bold);
    painter.paintBevel(button, pressed ? BevelStyle::Sunken : BevelStyle::Raised);
    painter.paintCaption(button, QColor::fromRgb(pressed ? colours::kSilver : colours::kBlack),
                         look.caption, look.fontName, CaptionAlignment::Centre, look.offsetUnits);
}
