#include "windows/TableLayout.h"

#include "core/state/Board.h"

namespace table_layout {

QRect CellRect(int n) {
    const int column = board::Column(n), row = board::Row(n) % 4;
    return {1 + 35 * column, 1 + 35 * row, 32, 32};
}

namespace {

std::vector<Control> buildControls() {
    using H = Holder;
    std::vector<Control> list = {
        // Frames and boxes first: the controls listed after them lie on top.
        {"ImageTop", {2, 2, 360, 150}, 0},
        {"ImageStatus", {2, 157, 73, 54}, 97},
        {"ImageNumber", {289, 157, 73, 54}, 96},
        {"ImageBottom", {2, 216, 360, 150}, 0},
        {"ImageTotal", {364, 2, 133, 41}, 79},
        {"ImageGames", {364, 44, 133, 41}, 80},
        {"ImagePriceWay", {364, 86, 133, 41}, 85},
        {"ImagePriceGame", {364, 128, 133, 41}, 90},
        {"ImageSpotWay", {364, 170, 133, 227}, 91},
        {"PanelTop", {7, 7, 349, 139}, 99, H::Client, Kind::Panel},
        {"PanelBottom", {7, 221, 349, 139}, 99, H::Client, Kind::Panel},
        {"ImageGOC", {9, 165, 58, 16}, 97},
        {"ImageOC", {9, 188, 58, 16}, 97},
        {"ImageCenter", {81, 175, 202, 18}, 95},
        {"ImageGN", {295, 165, 58, 16}, 96},
        {"ImageN", {295, 188, 58, 16}, 96},
        {"ImagePlay", {2, 369, 65, 28}, 72},
        {"ImageOpen", {100, 369, 65, 28}, 73},
        {"ImageNext", {199, 369, 65, 28}, 75},
        {"ImageCast", {297, 369, 65, 28}, 74},
        {"ImageTP", {386, 5, 88, 15}, 79},
        {"ImageTPN", {370, 23, 121, 16}, 79},
        {"ImageNOG", {371, 47, 118, 15}, 80},
        {"ImageNOGLU", {369, 65, 16, 16}, 81},
        {"ImageNOGLD", {388, 65, 16, 16}, 82},
        {"ImageNOGN", {412, 65, 37, 16}, 80},
        {"ImageNOGSU", {457, 65, 16, 16}, 83},
        {"ImageNOGSD", {476, 65, 16, 16}, 84},
        {"ImagePPW", {381, 89, 98, 15}, 85},
        {"ImagePPWLU", {369, 107, 16, 16}, 86},
        {"ImagePPWLD", {388, 107, 16, 16}, 87},
        {"ImagePPWN", {407, 107, 47, 16}, 85},
        {"ImagePPWSU", {457, 107, 16, 16}, 88},
        {"ImagePPWSD", {476, 107, 16, 16}, 89},
        {"ImagePPG", {378, 131, 104, 15}, 90},
        {"ImagePPGN", {380, 149, 101, 16}, 90},
        {"ImageNOS", {371, 173, 118, 15}, 91},
        {"ImageWP", {375, 191, 110, 15}, 92},
        // The special box lies under the spot count and the quick-pick arrows,
        // which a quick pick shows together with its code.
        {"ImageTicketKind", {368, 209, 125, 185}, 93},
        {"ImageSpot", {399, 209, 62, 16}, 91},
        {"ImageQPU", {372, 209, 16, 16}, 76},
        {"ImageQPD", {473, 209, 16, 16}, 77},
    };
    for (int n = 1; n <= board::kNumbers; ++n)
        list.push_back({QStringLiteral("Image%1").arg(n), CellRect(n), 99,
                        board::IsTopHalf(n) ? H::PanelTop : H::PanelBottom});
    return list;
}

}  // namespace

const std::vector<Arrow>& Arrows() {
    using A = BetArrow;
    static const std::vector<Arrow> list = {
        {"ImageNOGSU", A::GamesUp, 107, true, 10, 2},
        {"ImageNOGSD", A::GamesDown, 109, false, 10, 2},
        {"ImageNOGLU", A::GamesUpTen, 111, true, 13, 1},
        {"ImageNOGLD", A::GamesDownTen, 113, false, 13, 1},
        {"ImagePPWSU", A::PriceUp, 207, true, 10, 2},
        {"ImagePPWSD", A::PriceDown, 209, false, 10, 2},
        {"ImagePPWLU", A::PriceUpDollar, 211, true, 13, 1},
        {"ImagePPWLD", A::PriceDownDollar, 213, false, 13, 1},
        {"ImageQPU", A::SpotsUp, 17, true, 13, 1, false},
        {"ImageQPD", A::SpotsDown, 19, false, 13, 1, false},
    };
    return list;
}

const std::vector<Button>& Buttons() {
    static const std::vector<Button> list = {{"ImagePlay", TableButton::Play, "PLAY", 21},
                                             {"ImageOpen", TableButton::Open, "OPEN", 23},
                                             {"ImageNext", TableButton::Next, "NEXT", 27},
                                             {"ImageCast", TableButton::Cast, "CAST", 25}};
    return list;
}

const std::vector<Control>& Controls() {
    static const std::vector<Control> list = buildControls();
    return list;
}

}  // namespace table_layout
