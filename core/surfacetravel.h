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
    static constexpr std::array<FieldText<SurfaceTravelFields>, 3> texts{{
        {&SurfaceTravelFields::soundPath, Role::Input},
        {&SurfaceTravelFields::angle, Role::Angle},
        {&SurfaceTravelFields::surfaceTravel, Role::Result},
    }};
    bool operator==(const SurfaceTravelFields &) const = default;
};

Outcome<SurfaceTravelFields> calculateSurfaceTravel(SurfaceTravelFields fields, char decimal);
SurfaceTravelFields clearSurfaceTravel(SurfaceTravelFields fields);

} // namespace core
