// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <variant>

namespace core {

// What a CALCULATE hands back: either every field text of the panel as it
// must now read, or a prompt to show with every field left as it was.
struct Prompt {
    std::string text;
    bool operator==(const Prompt &) const = default;
};

template <class Fields>
using Outcome = std::variant<Fields, Prompt>;

// How a panel's field text takes part in CALCULATE and CLEAR; each panel's
// description gives its fields' roles.
enum class Role { Input, Angle, Result };

// Every prompt's window title, and the prompts that more than one panel shows.
namespace prompts {
inline constexpr char title[] = "Refrax";
const std::string &angle(); // "Please Choose a Refracted Angle of " and the angle choices
inline constexpr char tooLarge[] = "The Result is Too Large to Display";
} // namespace prompts

// How prompts name the input fields.
namespace names {
inline constexpr char thickness[] = "Material Thickness";
} // namespace names

} // namespace core
