#pragma once

#include <QString>
#include <array>
#include <functional>
#include <utility>

#include "core/state/Board.h"
#include "core/ticket/BetControls.h"
#include "game/TableView.h"

class PictureControl;

// The main window's picture controls as typed members. They are picked out of
// the layout's named controls once, when the window is built; painting and
// showing never look a control up by its name.
struct TableParts {
    std::array<PictureControl*, board::kNumbers> cells{};  // number n at [n - 1]
    std::array<PictureControl*, 4> buttons{};  // in the order of table_layout::Buttons()
    std::array<PictureControl*, 10> arrows{};  // in the order of table_layout::Arrows()
    std::array<PictureControl*, 5> roundedBoxes{};
    std::array<PictureControl*, 4> frames{};
    // Left "GAME", the state's word, right "GAME", the game number.
    std::array<PictureControl*, 4> status{};
    std::array<std::pair<PictureControl*, QString>, 6> captions{};
    std::array<PictureControl*, 5> values{};  // by ValueField
    PictureControl* centre = nullptr;
    PictureControl* special = nullptr;

    // Picks every member by its layout name; throws std::logic_error when the
    // layout lacks one, so a renamed control fails at the first start.
    static TableParts pick(const std::function<PictureControl*(const QString&)>& byName);

    PictureControl* cell(int n) const;  // nullptr outside 1..80
    PictureControl* button(TableButton which) const;
    PictureControl* value(ValueField field) const;
};
