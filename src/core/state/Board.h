#pragma once

#include <array>
#include <cstdint>

// The board of numbers 1..80: 8 rows of 10, in two panels of 4 rows.
namespace board {

constexpr int kNumbers = 80;
constexpr int kColumns = 10;
constexpr int kBallsPerGame = 20;

constexpr int Row(int n) { return (n - 1) / kColumns; }
constexpr int Column(int n) { return (n - 1) % kColumns; }

constexpr bool IsTopHalf(int n) { return n >= 1 && n <= 40; }
constexpr bool IsBottomHalf(int n) { return n >= 41 && n <= 80; }
constexpr bool IsLeftHalf(int n) { return n >= 1 && n <= 80 && Column(n) < 5; }
constexpr bool IsRightHalf(int n) { return n >= 1 && n <= 80 && Column(n) >= 5; }
// The border of the 8 x 10 grid: 32 numbers.
constexpr bool IsEdge(int n) {
    return n >= 1 && n <= 80 && (Row(n) == 0 || Row(n) == 7 || Column(n) == 0 || Column(n) == 9);
}
// The 32 numbers of the inside: rows 1..6, narrowing towards the top and bottom.
constexpr bool IsInside(int n) {
    if (n < 1 || n > 80) return false;
    const int r = Row(n), c = Column(n);
    if (r == 1 || r == 6) return c >= 3 && c <= 6;
    if (r >= 2 && r <= 5) return c >= 2 && c <= 7;
    return false;
}

}  // namespace board

// What a board cell is.
enum class CellState : std::uint8_t {
    Unmarked,  // a click marks it
    Marked,    // in the set being filled; a click removes it
    Locked,    // a member of a completed way group; clicks are ignored
};

namespace board {

// The tag a painted cell carries for its state: 100 + n unmarked, 200 + n
// marked, 300 + n locked.
constexpr int CellTag(int n, CellState state) { return 100 * (static_cast<int>(state) + 1) + n; }

}  // namespace board
