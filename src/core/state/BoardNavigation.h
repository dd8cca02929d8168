#pragma once

#include <cstdint>
#include <optional>

// Where the keyboard focus goes on the board of 80 numbers: the arrow keys
// step along a row (Left, Right) or across the rows (Up, Down), crossing from
// the top panel to the bottom one; at an edge it stays. Home is 1, End 80.
// Typing a number's digits goes to it: a first digit goes to that number at
// once, and a second digit within a second makes the two a number (1 then 7
// is 17); a pair that is no number on the board starts over from its second
// digit. The time of each digit is given, in milliseconds of any steady clock.
class BoardNavigation {
  public:
    enum class Move { Left, Right, Up, Down, First, Last };
    // How long after a digit the next one still joins it.
    static constexpr std::int64_t kSecondDigitMs = 1000;

    // The number the focus goes to from `from` (1..80).
    static int moved(int from, Move move);

    // The number a typed digit (0..9) leads to, if any.
    std::optional<int> typeDigit(int digit, std::int64_t atMs);

  private:
    std::optional<int> pending_;  // a first digit a second may still join
    std::int64_t pendingAtMs_ = 0;
};
