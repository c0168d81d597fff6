// SPDX-License-Identifier: MIT

#pragma once

#include "core/outcome.h"

#include <array>
#include <string>

namespace core {

// The Sound Path panel: A-B is the thickness over the cosine of the refracted
// angle, A-B-C twice the A-B that the field holds.
struct SoundPathFields {
    std::string thickness = {};
    std::string angle = {};
    std::string abSoundPath = {};
    std::string abcSoundPath = {};
    bool inch = true; // results in inches, else in millimetres
    static constexpr std::array<FieldText<SoundPathFields>, 4> texts{{
        {&SoundPathFields::thickness, Role::Input},
        {&SoundPathFields::angle, Role::Angle},
        {&SoundPathFields::abSoundPath, Role::Result},
        {&SoundPathFields::abcSoundPath, Role::Result},
    }};
    bool operator==(const SoundPathFields &) const = default;
};

Outcome<SoundPathFields> calculateSoundPath(SoundPathFields fields, char decimal);
SoundPathFields clearSoundPath(SoundPathFields fields);

} // namespace core
