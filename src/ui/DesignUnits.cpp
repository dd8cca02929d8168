#include "ui/DesignUnits.h"

#include <cmath>

namespace design {

int ToPixels(int clientLength, double units, int designLength) {
    if (designLength <= 0) return 0;
    // nearbyint keeps the default round-to-nearest-even mode.
    return static_cast<int>(
        std::nearbyint(static_cast<long double>(clientLength) * units / designLength));
}

int BevelWidthForScreen(int screenWidth) {
    return static_cast<int>(std::nearbyint(static_cast<long double>(screenWidth) * 0.0015625L * 5));
}

std::vector<int> BevelAmounts(int bevelWidth) {
    std::vector<int> amounts;
    if (bevelWidth <= 0) return amounts;
    // Single precision on purpose: the stepped values land on the bevel
    // shades 198, 160, 122, 83, 45 only when e is held as a float.
    float e = static_cast<float>(bevelWidth / (bevelWidth * 0.33333333333333333334L) + 0.1L);
    for (int g = 0; g < bevelWidth; ++g) {
        amounts.push_back(static_cast<int>(std::nearbyint(e * 64.0f)));
        e = e - 3.0f / static_cast<float>(bevelWidth);
    }
    return amounts;
}

}  // namespace design
