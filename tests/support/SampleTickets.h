#pragma once

#include <array>
#include <cstdint>

#include "core/state/GameState.h"

// A way ticket of three groups of 4 with rows 1 to 3 bet: 3 ways of 4, 3 of 8
// and 1 of 12. The default groups spread over both panels and reach 80.
inline GameState ThreeGroupsOfFour(std::array<std::uint8_t, 4> first = {1, 2, 3, 4},
                                   std::array<std::uint8_t, 4> second = {41, 52, 63, 80},
                                   std::array<std::uint8_t, 4> third = {17, 18, 19, 20}) {
    GameState state;
    state.Kind = TicketKind::Way;
    state.SpotsPerSet = 4;
    state.CompletedSets = 3;
    state.CurrentSet = 4;
    const std::array<std::uint8_t, 4>* groups[] = {&first, &second, &third};
    for (std::size_t k = 0; k < 3; ++k)
        for (std::size_t i = 0; i < 4; ++i) state.Sets[k + 1].Numbers[i] = (*groups[k])[i];
    state.WayCounts[0] = 3;
    state.WayCounts[1] = 3;
    state.WayCounts[2] = 1;
    state.Ways = 7;
    state.PayoffSpots = 4;
    return state;
}
