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

// Whether a calculation left every field as it was but the panel's results,
// which each panel's fields list as their static member results.
template <class Fields>
bool changesOnlyResults(Fields before, Fields after)
{
    for (std::string Fields::*field : Fields::results)
        before.*field = after.*field = {};
    return before == after;
}

// Every prompt's window title, and the prompts that more than one panel shows.
namespace prompts {
inline constexpr char title[] = "Refrax";
inline constexpr char angle[] = "Please Choose a Refracted Angle of 70, 60 or 45";
inline constexpr char tooLarge[] = "The Result is Too Large to Display";
} // namespace prompts

// How prompts name the input fields.
namespace names {
inline constexpr char thickness[] = "Material Thickness";
} // namespace names

} // namespace core
