// SPDX-License-Identifier: MIT

#include "core/surfacetravel.h"

#include "core/anglefactors.h"
#include "core/description.h"
#include "core/fieldrules.h"

namespace core {

namespace {
constexpr char missingSoundPath[] = "Please Enter the Material Sound Path";
constexpr char soundPathName[] = "Material Sound Path";
} // namespace

Outcome<SurfaceTravelFields> calculateSurfaceTravel(SurfaceTravelFields f, char decimal)
{
    if (isEmpty(f.soundPath))
        return Prompt{missingSoundPath};

    const Unit unit = unitRule(f.inch);
    const AngleLookup angle = lookupAngle(f.angle, decimal);
    if (angle.status == AngleLookup::Status::NotANumber)
        return Prompt{prompts::angle()};
    if (angle.status == AngleLookup::Status::Matched) {
        const auto s = takeInput(f.soundPath, soundPathName, unit, decimal);
        if (const auto *prompt = std::get_if<Prompt>(&s))
            return *prompt;
        if (!storeRaw(f.surfaceTravel, std::get<double>(s) * angle.factors->surfaceTravelMultiplier, decimal))
            return Prompt{prompts::tooLarge};
    } else if (!readNumber(f.surfaceTravel, decimal)) {
        // Nothing was computed, and an empty field or an earlier result must
        // not pass for the answer.
        return Prompt{prompts::angle()};
    }

    // With no angle matched, a plain number the user typed into the field is
    // formatted with the current unit.
    f.surfaceTravel = formatResult(f.surfaceTravel, unit, decimal);
    return f;
}

SurfaceTravelFields clearSurfaceTravel(SurfaceTravelFields fields) { return cleared(fields); }

} // namespace core
