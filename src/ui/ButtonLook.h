#pragma once

#include <QString>

class ControlPainter;
class PictureControl;

// What a painted button shows: its caption (an arrowhead for the arrows) in a
// bold font, centred, black while raised and silver while pressed.
struct ButtonLook {
    QString caption;
    QString fontName;
    int fontUnits = 13;   // caption size in design units
    int offsetUnits = 9;  // caption top in design units

    // The up or down arrowhead of the arrows, scroll and sort buttons.
    static ButtonLook arrow(bool up, int fontUnits = 13, int offsetUnits = 1);
    // A push button of the side windows (OK, CANCEL, SHOW, DELETE): Arial, 13 units.
    static ButtonLook push(const QString& caption);
};

// Paints the raised look (style 1, black caption) or the pressed one (style 2,
// silver caption).
void PaintButtonLook(const ControlPainter& painter, PictureControl& button, const ButtonLook& look,
                     bool pressed);
