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

// How a panel's field text takes part in CALCULATE and CLEAR. Each panel's
// fields list their texts with their roles as the static member texts.
enum class Role { Input, Angle, Result };

template <class Fields>
struct FieldText {
    std::string Fields::*member;
    Role role;
};

// Whether a calculation left every field as it was but the panel's results.
template <class Fields>
bool changesOnlyResults(Fields before, Fields after)
{
    for (const auto &[member, role] : Fields::texts) {
        if (role == Role::Result)
            before.*member = after.*member = {};
    }
    return before == after;
}

// CLEAR: every field emptied but the angle; the angle and the unit stay.
template <class Fields>
Fields cleared(Fields fields)
{
    for (const auto &[member, role] : Fields::texts) {
        if (role != Role::Angle)
            (fields.*member).clear();
    }
    return fields;
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
