// SPDX-License-Identifier: MIT

#include "calc/core/soundpath.h"

#include "calc/core/anglefactors.h"
#include "calc/core/fieldrules.h"

#include <array>

namespace calc {

namespace {
constexpr char missingThickness[] = "Please Enter the Material Thickness";
} // namespace

Outcome<SoundPathFields> calculateSoundPath(SoundPathFields f, char decimal)
{
    if (isEmpty(f.T))
        return Prompt{missingThickness};

    const Unit unit = unitRule(f.inch);
    const AngleLookup angle = lookupAngle(f.ANGLE_BOX, decimal);
    if (angle.status == AngleLookup::Status::NotANumber)
        return Prompt{prompts::angle};
    // A-B-C doubles what A-B now says, to its written digits; with no angle
    // matched that is whatever the user left in A-B.
    std::optional<double> b;
    if (angle.status == AngleLookup::Status::Matched) {
        const auto t = takeInput(f.T, names::thickness, unit, decimal);
        if (const auto *prompt = std::get_if<Prompt>(&t))
            return *prompt;
        b = storeRaw(f.A_B, std::get<double>(t) / angle.factors->soundPathDivisor, decimal);
        if (!b)
            return Prompt{prompts::tooLarge};
    } else {
        b = readNumber(f.A_B, decimal);
    }
    if (!b)
        return Prompt{prompts::angle};
    if (!storeRaw(f.A_B_C, *b + *b, decimal))
        return Prompt{prompts::tooLarge};

    f.A_B = formatResult(f.A_B, unit, decimal);
    f.A_B_C = formatResult(f.A_B_C, unit, decimal);
    return f;
}

SoundPathFields clearSoundPath(SoundPathFields f)
{
    const std::array fields{&f.A_B, &f.T, &f.A_B_C};
    clearFields(fields);
    return f;
}

} // namespace calc
