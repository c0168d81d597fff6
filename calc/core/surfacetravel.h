// SPDX-License-Identifier: MIT

#pragma once

#include "calc/core/outcome.h"

#include <string>

namespace calc {

// The Surface Travel panel: the sound path times the sine of the refracted
// angle.
struct SurfaceTravelFields {
    std::string SP_TEXT;     // sound path
    std::string ANGLE_BOX_2; // refracted angle
    std::string SURFACE_TRAVEL;
    bool inch = true; // opt_Inch2
    bool operator==(const SurfaceTravelFields &) const = default;
};

Outcome<SurfaceTravelFields> calculateSurfaceTravel(SurfaceTravelFields fields, char decimal);
SurfaceTravelFields clearSurfaceTravel(SurfaceTravelFields fields);

} // namespace calc
