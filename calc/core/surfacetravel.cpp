// SPDX-License-Identifier: MIT

#include "calc/core/surfacetravel.h"

#include "calc/core/anglefactors.h"
#include "calc/core/fieldrules.h"

#include <array>

namespace calc {

namespace {
constexpr char missingSoundPath[] = "Please Enter the Material Sound Path";
constexpr char soundPathNotANumber[] = "Please Enter the Material Sound Path as a Number";
} // namespace

Outcome<SurfaceTravelFields> calculateSurfaceTravel(SurfaceTravelFields f, char decimal)
{
    if (isEmpty(f.SP_TEXT))
        return Prompt{missingSoundPath};

    const AngleLookup angle = lookupAngle(f.ANGLE_BOX_2, decimal);
    if (angle.status == AngleLookup::Status::NotANumber)
        return Prompt{prompts::angle};
    if (angle.status == AngleLookup::Status::Matched) {
        const auto s = readInput(f.SP_TEXT, decimal);
        if (!s)
            return Prompt{soundPathNotANumber};
        if (!storeRaw(f.SURFACE_TRAVEL, *s * angle.factors->surfaceTravelMultiplier, decimal))
            return Prompt{prompts::tooLarge};
    } else if (!readNumber(f.SURFACE_TRAVEL, decimal)) {
        // Nothing was computed, and an empty field or an earlier result must
        // not pass for the answer.
        return Prompt{prompts::angle};
    }

    // With no angle matched, a plain number the user typed into the field is
    // formatted with the current unit.
    f.SURFACE_TRAVEL = formatResult(f.SURFACE_TRAVEL, unitRule(f.inch), decimal);
    return f;
}

SurfaceTravelFields clearSurfaceTravel(SurfaceTravelFields f)
{
    const std::array fields{&f.SP_TEXT, &f.SURFACE_TRAVEL};
    clearFields(fields);
    return f;
}

} // namespace calc
