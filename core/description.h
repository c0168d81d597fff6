// SPDX-License-Identifier: MIT

#pragma once

#include "core/indicationdepth.h"
#include "core/locate.h"
#include "core/number.h"
#include "core/outcome.h"
#include "core/soundpath.h"
#include "core/surfacetravel.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace core {

// One field of a calculator panel as every front end shows it. The name is
// the design's: the window control's object name and the page element's id.
struct FieldDescription {
    std::string_view name;
    Role role;
    std::string_view caption;     // the caption beside it, as the design writes it
    std::string_view captionName; // the caption's design name
    std::string_view tooltip;
    bool underlined = false; // the caption is underlined
};

// A command button: its design name, caption and tooltip.
struct CommandDescription {
    std::string_view name, caption, tooltip;
};

// A unit button: its design name, the design name of the caption beside it
// (which shows unitCaption(unit)), and the unit it chooses.
struct UnitButtonDescription {
    std::string_view name, captionName;
    Unit unit;
};
std::string_view unitCaption(Unit unit);

// CALCULATE or CLEAR over a panel's field texts in the description's order:
// their new texts, or a prompt. A wrong count of texts gets a prompt.
using TextOutcome = std::variant<std::vector<std::string>, Prompt>;
using TextCommand = TextOutcome (*)(std::span<const std::string> texts, bool inch, char decimal);

// A calculator panel as every front end builds it: its frame, its tab, its
// fields in the order the commands take and give texts, its buttons.
struct PanelDescription {
    std::string_view name;  // the frame's design name
    std::string_view title; // the frame's caption
    std::string_view tab;   // exactly as the tab strip writes it
    std::span<const FieldDescription> fields;
    CommandDescription calculate, clear;
    UnitButtonDescription inch, millimetre;
    TextCommand runCalculate, runClear;
};

// The calculator panels in the tab strip's order.
std::span<const PanelDescription> calculatorPanels();
// The Locate calculator, which the window opens apart from its tabs.
const PanelDescription &locatePanel();
// The tab strip's panels, then Locate.
std::span<const PanelDescription> allPanels();

// The description of the panel a Fields struct holds the texts of.
template <class Fields>
const PanelDescription &describe()
{
    return allPanels()[Fields::panel];
}

// Each field text's member with its role, in the description's order.
template <class Fields>
std::vector<std::pair<std::string Fields::*, Role>> roles()
{
    std::vector<std::pair<std::string Fields::*, Role>> list;
    for (std::size_t i = 0; i < Fields::members.size(); ++i)
        list.emplace_back(Fields::members[i], describe<Fields>().fields[i].role);
    return list;
}

// Whether a calculation left every field as it was but the panel's results.
template <class Fields>
bool changesOnlyResults(Fields before, Fields after)
{
    for (const auto &[member, role] : roles<Fields>()) {
        if (role == Role::Result)
            before.*member = after.*member = {};
    }
    return before == after;
}

// CLEAR: every field emptied but the angle; the angle and the unit stay.
template <class Fields>
Fields cleared(Fields fields)
{
    for (const auto &[member, role] : roles<Fields>()) {
        if (role != Role::Angle)
            (fields.*member).clear();
    }
    return fields;
}

// The refracted angles a user may choose, as prompts list them.
std::string angleChoices();

} // namespace core
