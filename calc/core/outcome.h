// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <variant>

namespace calc {

// What a CALCULATE hands back: either every field text of the panel as it
// must now read, or a prompt to show with every field left as it was.
struct Prompt {
    std::string text;
    bool operator==(const Prompt &) const = default;
};

template <class Fields>
using Outcome = std::variant<Fields, Prompt>;

// Prompts that more than one panel shows.
namespace prompts {
inline constexpr char angle[] = "Please Choose a Refracted Angle of 70, 60 or 45";
inline constexpr char tooLarge[] = "The Result is Too Large to Display";
} // namespace prompts

// How prompts name the input fields.
namespace names {
inline constexpr char thickness[] = "Material Thickness";
} // namespace names

} // namespace calc
