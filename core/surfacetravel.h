// SPDX-License-Identifier: MIT

#pragma once

#include "core/outcome.h"

#include <array>
#include <string>

namespace core {

// The Surface Travel panel: the sound path times the sine of the refracted
// angle.
struct SurfaceTravelFields {
    std::string soundPath = {};
    std::string angle = {};
    std::string surfaceTravel = {};
    bool inch = true; // results in inches, else in millimetres
    // The texts in the order of the panel's description (core/description.h).
    static constexpr std::array<std::string SurfaceTravelFields::*, 3> members{
        &SurfaceTravelFields::soundPath, &SurfaceTravelFields::angle, &SurfaceTravelFields::surfaceTravel};
    static constexpr std::size_t panel = 1; // its place in allPanels()
    bool operator==(const SurfaceTravelFields &) const = default;
};

Outcome<SurfaceTravelFields> calculateSurfaceTravel(SurfaceTravelFields fields, char decimal);
SurfaceTravelFields clearSurfaceTravel(SurfaceTravelFields fields);

} // namespace core
