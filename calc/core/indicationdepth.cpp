#include "calc/core/indicationdepth.h"

#include "calc/core/fieldrules.h"

#include <array>
#include <cmath>

namespace calc {

namespace {
constexpr char thicknessNotANumber[] = "Please Enter the Material Thickness as a Number";
constexpr char abNotANumber[] = "Please Enter the A-B Sound Path as a Number";
constexpr char abZero[] = "The A-B Sound Path Must Not Be Zero";
constexpr char indicationNotANumber[] = "Please Enter the Indication Sound Path as a Number";
} // namespace

Outcome<IndicationDepthFields> calculateIndicationDepth(IndicationDepthFields f, char decimal)
{
    if (isEmpty(f.MAT_T) || isEmpty(f.A_B_SND_PATH))
        return Prompt{missingDepthInput};

    const auto t = readNumber(f.MAT_T, decimal);
    if (!t)
        return Prompt{thicknessNotANumber};
    const auto p = readNumber(f.A_B_SND_PATH, decimal);
    if (!p)
        return Prompt{abNotANumber};
    if (*p == 0.0)
        return Prompt{abZero};
    const double ratio = *t / *p;
    if (!std::isfinite(ratio))
        return Prompt{prompts::tooLarge};

    // The indication's field is only looked at once the ratio stands, so a
    // bad thickness or A-B sound path is reported before a missing indication.
    if (isEmpty(f.IND_SP))
        return Prompt{missingDepthInput};
    const auto s = readNumber(f.IND_SP, decimal);
    if (!s)
        return Prompt{indicationNotANumber};
    if (!storeRaw(f.DEPTH, *s * ratio, decimal))
        return Prompt{prompts::tooLarge};

    f.DEPTH = formatResult(f.DEPTH, unitRule(f.inch), decimal);
    return f;
}

IndicationDepthFields clearIndicationDepth(IndicationDepthFields f)
{
    const std::array fields{&f.MAT_T, &f.A_B_SND_PATH, &f.IND_SP, &f.DEPTH};
    clearFields(fields);
    return f;
}

} // namespace calc
