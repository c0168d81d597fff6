// SPDX-License-Identifier: MIT

#include "core/indicationdepth.h"

#include "core/description.h"
#include "core/fieldrules.h"

#include <cmath>

namespace core {

namespace {
constexpr char abName[] = "A-B Sound Path";
constexpr char abZero[] = "The A-B Sound Path Must Not Be Zero";
constexpr char indicationName[] = "Indication Sound Path";

// Past the back wall the beam runs up again to the scanning surface, then
// down again, and so on: the plain depth folded into 0..thickness as a
// triangle wave. It is continuous at every bounce, so rounding near one
// cannot jump, and fmod is exact, so no error builds up over many bounces.
// (A doubled thickness beyond the largest double leaves the depth as it is.)
double foldIntoPlate(double depth, double thickness)
{
    const double turn = std::fmod(depth, 2 * thickness);
    return turn <= thickness ? turn : thickness - (turn - thickness);
}
} // namespace

Outcome<IndicationDepthFields> calculateIndicationDepth(IndicationDepthFields f, char decimal)
{
    if (isEmpty(f.thickness) || isEmpty(f.abSoundPath))
        return Prompt{missingDepthInput};

    const Unit unit = unitRule(f.inch);
    const auto thickness = takeInput(f.thickness, names::thickness, unit, decimal);
    if (const auto *prompt = std::get_if<Prompt>(&thickness))
        return *prompt;
    const auto abPath = takeInput(f.abSoundPath, abName, unit, decimal);
    if (const auto *prompt = std::get_if<Prompt>(&abPath))
        return *prompt;
    const double t = std::get<double>(thickness), p = std::get<double>(abPath);
    if (p == 0.0)
        return Prompt{abZero};
    const double ratio = t / p;
    if (!std::isfinite(ratio))
        return Prompt{prompts::tooLarge};

    // The indication's field is only looked at once the ratio stands, so a
    // bad thickness or A-B sound path is reported before a missing indication.
    if (isEmpty(f.indicationSoundPath))
        return Prompt{missingDepthInput};
    const auto indication = takeInput(f.indicationSoundPath, indicationName, unit, decimal);
    if (const auto *prompt = std::get_if<Prompt>(&indication))
        return *prompt;
    const double s = std::get<double>(indication);
    double depth = s * ratio;
    if (!std::isfinite(depth))
        return Prompt{prompts::tooLarge};
    // Within the first leg the proportion is the depth as it stands.
    if (t > 0 && p > 0 && s > p)
        depth = foldIntoPlate(depth, t);
    if (!storeRaw(f.depth, depth, decimal))
        return Prompt{prompts::tooLarge};

    f.depth = formatResult(f.depth, unit, decimal);
    return f;
}

IndicationDepthFields clearIndicationDepth(IndicationDepthFields fields) { return cleared(fields); }

} // namespace core
