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
    static constexpr std::array<FieldText<IndicationDepthFields>, 4> texts{{
        {&IndicationDepthFields::thickness, Role::Input},
        {&IndicationDepthFields::abSoundPath, Role::Input},
        {&IndicationDepthFields::indicationSoundPath, Role::Input},
        {&IndicationDepthFields::depth, Role::Result},
    }};
    bool operator==(const IndicationDepthFields &) const = default;
};

// The prompt for any missing input: two lines joined by a line feed.
inline constexpr char missingDepthInput[] =
    "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";

Outcome<IndicationDepthFields> calculateIndicationDepth(IndicationDepthFields fields, char decimal);
IndicationDepthFields clearIndicationDepth(IndicationDepthFields fields);

} // namespace core
