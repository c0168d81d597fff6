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
    // The texts in the order of the panel's description (core/description.h).
    static constexpr std::array<std::string SoundPathFields::*, 4> members{
        &SoundPathFields::thickness, &SoundPathFields::angle, &SoundPathFields::abSoundPath,
        &SoundPathFields::abcSoundPath};
    static constexpr std::size_t panel = 0; // its place in allPanels()
    bool operator==(const SoundPathFields &) const = default;
};

Outcome<SoundPathFields> calculateSoundPath(SoundPathFields fields, char decimal);
SoundPathFields clearSoundPath(SoundPathFields fields);

} // namespace core
