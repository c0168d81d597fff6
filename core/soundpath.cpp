// SPDX-License-Identifier: MIT

#include "core/soundpath.h"

#include "core/anglefactors.h"
#include "core/description.h"
#include "core/fieldrules.h"

namespace core {

namespace {
constexpr char missingThickness[] = "Please Enter the Material Thickness";
} // namespace

Outcome<SoundPathFields> calculateSoundPath(SoundPathFields f, char decimal)
{
    if (isEmpty(f.thickness))
        return Prompt{missingThickness};

    const Unit unit = unitRule(f.inch);
    const AngleLookup angle = lookupAngle(f.angle, decimal);
    if (angle.status == AngleLookup::Status::NotANumber)
        return Prompt{prompts::angle()};
    // A-B-C doubles what A-B now says, to its written digits; with no angle
    // matched that is whatever the user left in A-B.
    std::optional<double> b;
    if (angle.status == AngleLookup::Status::Matched) {
        const auto t = takeInput(f.thickness, names::thickness, unit, decimal);
        if (const auto *prompt = std::get_if<Prompt>(&t))
            return *prompt;
        b = storeRaw(f.abSoundPath, std::get<double>(t) / angle.factors->soundPathDivisor, decimal);
        if (!b)
            return Prompt{prompts::tooLarge};
    } else {
        if (const auto typed = readNumber(f.abSoundPath, decimal))
            b = typed->value;
    }
    if (!b)
        return Prompt{prompts::angle()};
    if (!storeRaw(f.abcSoundPath, *b + *b, decimal))
        return Prompt{prompts::tooLarge};

    f.abSoundPath = formatResult(f.abSoundPath, unit, decimal);
    f.abcSoundPath = formatResult(f.abcSoundPath, unit, decimal);
    return f;
}

SoundPathFields clearSoundPath(SoundPathFields fields) { return cleared(fields); }

} // namespace core
