#pragma once

#include <QRect>
#include <QString>
#include <vector>

#include "core/ticket/BetControls.h"
#include "game/TableView.h"

// Where every control of the main window sits, in design units of its
// 500 x 400 client area, and the help number behind its "What's this?".
namespace table_layout {

constexpr int kDesignWidth = 500;
constexpr int kDesignHeight = 400;

enum class Holder { Client, PanelTop, PanelBottom };
enum class Kind { Picture, Panel };

struct Control {
    QString name;
    QRect rect;          // relative to its holder
    int helpNumber = 0;  // 0: no help
    Holder holder = Holder::Client;
    Kind kind = Kind::Picture;
};

// Every control in stacking order, bottom first: frames and boxes before the
// controls drawn over them. The 80 board cells come last, inside the panels.
const std::vector<Control>& Controls();

// The cell of number n (1..80) inside its panel.
QRect CellRect(int n);

// A spinner arrow: the step it takes, its control's tag while released, its
// glyph and how large it is drawn.
struct Arrow {
    QString name;
    BetArrow arrow = BetArrow::GamesUp;
    int releasedTag = 0;
    bool up = true;
    int fontUnits = 13;
    int offsetUnits = 1;
    bool betArrow = true;  // false for the two quick-pick arrows
};
const std::vector<Arrow>& Arrows();

// The four picture buttons: name, which button, caption and the tag of its
// control (21 PLAY, 23 OPEN, 25 CAST, 27 NEXT).
struct Button {
    QString name;
    TableButton which = TableButton::Play;
    QString caption;
    int tag = 0;
};
const std::vector<Button>& Buttons();

}  // namespace table_layout
