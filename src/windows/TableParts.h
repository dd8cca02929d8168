#pragma once

#include <QString>
#include <array>
#include <functional>
#include <utility>

#include "core/state/Board.h"
#include "core/ticket/BetControls.h"
#include "game/TableView.h"

class ImageButton;

// The main window's picture controls as typed members. They are picked out of
// the layout's named controls once, when the window is built; painting and
// showing never look a control up by its name.
struct TableParts {
    std::array<ImageButton*, board::kNumbers> cells{};  // number n at [n - 1]
    std::array<ImageButton*, 4> buttons{};              // in the order of table_layout::buttons()
    std::array<ImageButton*, 10> arrows{};              // in the order of table_layout::arrows()
    std::array<ImageButton*, 5> roundedBoxes{};
    std::array<ImageButton*, 4> frames{};
    // Left "GAME", the state's word, right "GAME", the game number.
    std::array<ImageButton*, 4> status{};
    std::array<std::pair<ImageButton*, QString>, 6> captions{};
    std::array<ImageButton*, 5> values{};  // by ValueField
    ImageButton* centre = nullptr;
    ImageButton* special = nullptr;

    // Picks every member by its layout name; throws std::logic_error when the
    // layout lacks one, so a renamed control fails at the first start.
    static TableParts pick(const std::function<ImageButton*(const QString&)>& byName);

    ImageButton* cell(int n) const;  // nullptr outside 1..80
    ImageButton* button(TableButton which) const;
    ImageButton* value(ValueField field) const;
};
