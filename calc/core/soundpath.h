// SPDX-License-Identifier: MIT

#pragma once

#include "calc/core/outcome.h"

#include <string>

namespace calc {

// The Sound Path panel: A-B is the thickness over the cosine of the refracted
// angle, A-B-C twice the A-B that the field holds.
struct SoundPathFields {
    std::string T;         // material thickness
    std::string ANGLE_BOX; // refracted angle
    std::string A_B;
    std::string A_B_C;
    bool inch = true; // opt_INCH
    bool operator==(const SoundPathFields &) const = default;
};

Outcome<SoundPathFields> calculateSoundPath(SoundPathFields fields, char decimal);
SoundPathFields clearSoundPath(SoundPathFields fields);

} // namespace calc
