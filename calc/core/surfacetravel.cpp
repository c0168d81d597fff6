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
        const auto s = readNumber(f.SP_TEXT, decimal);
        if (!s)
            return Prompt{soundPathNotANumber};
        if (!storeRaw(f.SURFACE_TRAVEL, *s * angle.factors->surfaceTravelMultiplier, decimal))
            return Prompt{prompts::tooLarge};
    }

    // With no angle matched this formats whatever the field holds: a plain
    // number gets the current unit, an earlier result stays as it was.
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
