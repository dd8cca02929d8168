#include "core/state/Draw.h"

#include <algorithm>

#include "core/state/RandomSource.h"

namespace draw {

namespace {
int anyNumber(RandomSource& random) { return static_cast<int>(random.below(board::kNumbers)) + 1; }
}  // namespace

Balls DrawBalls(RandomSource& random) {
    random.reseed();
    Balls balls{};
    for (std::size_t i = 0; i < balls.size(); ++i) {
        int n = 0;
        do {
            n = anyNumber(random);
        } while (std::find(balls.begin(), balls.begin() + static_cast<std::ptrdiff_t>(i), n) !=
                 balls.begin() + static_cast<std::ptrdiff_t>(i));
        balls[i] = static_cast<std::uint8_t>(n);
    }
    return balls;
}

std::vector<int> QuickPickNumbers(const TicketSet& set, int wanted, RandomSource& random) {
    random.reseed();
    const int target = std::clamp<int>(wanted, 0, TicketSet::kSlots);
    TicketSet picked = set;
    std::vector<int> numbers;
    for (int chosen = set.count(); chosen < target;) {
        const int n = anyNumber(random);
        if (picked.contains(n)) continue;
        picked.Numbers[static_cast<std::size_t>(chosen++)] = static_cast<std::uint8_t>(n);
        numbers.push_back(n);
    }
    return numbers;
}

}  // namespace draw
