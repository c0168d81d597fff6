// SPDX-License-Identifier: MIT

#pragma once

#include "core/outcome.h"

#include <array>
#include <string>

namespace core {

// The Indication Depth panel: the depth is the proportion along the beam,
// indication sound path x thickness / A-B sound path, folded back at the back
// wall and the scanning surface for an indication past the first leg.
struct IndicationDepthFields {
    std::string thickness = {};
    std::string abSoundPath = {};
    std::string indicationSoundPath = {};
    std::string depth = {};
    bool inch = true; // results in inches, else in millimetres
    // The texts in the order of the panel's description (core/description.h).
    static constexpr std::array<std::string IndicationDepthFields::*, 4> members{
        &IndicationDepthFields::thickness, &IndicationDepthFields::abSoundPath,
        &IndicationDepthFields::indicationSoundPath, &IndicationDepthFields::depth};
    static constexpr std::size_t panel = 2; // its place in allPanels()
    bool operator==(const IndicationDepthFields &) const = default;
};

// The prompt for any missing input: two lines joined by a line feed.
inline constexpr char missingDepthInput[] =
    "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";

Outcome<IndicationDepthFields> calculateIndicationDepth(IndicationDepthFields fields, char decimal);
IndicationDepthFields clearIndicationDepth(IndicationDepthFields fields);

} // namespace core
