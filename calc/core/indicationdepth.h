// SPDX-License-Identifier: MIT

#pragma once

#include "calc/core/outcome.h"

#include <string>

namespace calc {

// The Indication Depth panel: the depth is the proportion along the beam,
// indication sound path x thickness / A-B sound path, folded back at the back
// wall and the scanning surface for an indication past the first leg.
struct IndicationDepthFields {
    std::string MAT_T;        // material thickness
    std::string A_B_SND_PATH; // A-B sound path
    std::string IND_SP;       // indication sound path
    std::string DEPTH;
    bool inch = true; // opt_INCH3
    bool operator==(const IndicationDepthFields &) const = default;
};

// The prompt for any missing input: two lines joined by a line feed.
inline constexpr char missingDepthInput[] =
    "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";

Outcome<IndicationDepthFields> calculateIndicationDepth(IndicationDepthFields fields, char decimal);
IndicationDepthFields clearIndicationDepth(IndicationDepthFields fields);

} // namespace calc
