#include "core/state/BoardNavigation.h"

#include "core/state/Board.h"

int BoardNavigation::moved(int from, Move move) {
    const int row = board::Row(from), column = board::Column(from);
    constexpr int kRows = board::kNumbers / board::kColumns;
    switch (move) {
        case Move::Left:
            return column > 0 ? from - 1 : from;
        case Move::Right:
            return column < board::kColumns - 1 ? from + 1 : from;
        case Move::Up:
            return row > 0 ? from - board::kColumns : from;
        case Move::Down:
            return row < kRows - 1 ? from + board::kColumns : from;
        case Move::First:
            return 1;
        case Move::Last:
            return board::kNumbers;
    }
    return from;
}

std::optional<int> BoardNavigation::typeDigit(int digit, std::int64_t atMs) {
    if (digit < 0 || digit > 9) return std::nullopt;
    if (pending_ && atMs - pendingAtMs_ <= kSecondDigitMs && atMs >= pendingAtMs_) {
        const int number = *pending_ * 10 + digit;
        pending_.reset();
        if (number >= 1 && number <= board::kNumbers) return number;
    }
    // A first digit: 1..9 is a number of its own; 0..8 may begin a pair.
    if (digit * 10 <= board::kNumbers) {
        pending_ = digit;
        pendingAtMs_ = atMs;
    } else {
        pending_.reset();
    }
    if (digit == 0) return std::nullopt;
    return digit;
}
