#pragma once

#include <vector>

// Arithmetic of design units and bevels, shared by every window.
namespace design {

// Round(clientLength x units / designLength), halves to even.
int ToPixels(int clientLength, double units, int designLength);

// The bevel thickness for a screen of this width: 5 at 640, 6 at 800, 8 at 1024.
int BevelWidthForScreen(int screenWidth);

// How much each line of one bevel pass lightens or darkens, outermost first.
std::vector<int> BevelAmounts(int bevelWidth);

}  // namespace design
