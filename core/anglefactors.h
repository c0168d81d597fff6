// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string_view>

namespace core {

// The fixed four-digit factors per refracted angle: the cosine divides the
// thickness into a sound path, the sine multiplies a sound path into a surface
// travel. They are table values, deliberately not computed (0.9396 for 70
// degrees is what inspectors' charts use, not the rounded sine).
struct AngleFactors {
    std::string_view text; // as the angle lists offer it
    double degrees;
    double soundPathDivisor;
    double surfaceTravelMultiplier;
};

inline constexpr std::array<AngleFactors, 3> angleTable{{
    {"70", 70.0, 0.342, 0.9396},
    {"60", 60.0, 0.5, 0.866},
    {"45", 45.0, 0.7071, 0.7071},
}};

struct AngleLookup {
    enum class Status { Matched, NoMatch, NotANumber };
    Status status;
    const AngleFactors *factors; // set only when matched
};

// Reads the refracted angle's text and compares it numerically with each
// table angle, so "70", "70.0", "7E1" and " 70 " all select 70 degrees.
AngleLookup lookupAngle(std::string_view angleText, char decimal);

} // namespace core
