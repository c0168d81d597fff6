// SPDX-License-Identifier: MIT

#include "core/description.h"

#include "core/anglefactors.h"

#include <array>
#include <type_traits>

namespace core {

namespace {

// A panel's CALCULATE (which reads numbers with the decimal separator) or
// CLEAR (which never prompts) over its Fields struct, taken and given back as
// texts.
template <class Fields, auto command>
TextOutcome overTexts(std::span<const std::string> texts, bool inch, char decimal)
{
    if (texts.size() != Fields::members.size())
        return Prompt{"The panel has " + std::to_string(Fields::members.size()) + " fields, not "
                      + std::to_string(texts.size())};
    Fields fields;
    for (std::size_t i = 0; i < texts.size(); ++i)
        fields.*Fields::members[i] = texts[i];
    fields.inch = inch;
    Outcome<Fields> outcome = fields;
    if constexpr (std::is_invocable_v<decltype(command), Fields, char>)
        outcome = command(fields, decimal);
    else
        outcome = command(fields);
    if (const auto *prompt = std::get_if<Prompt>(&outcome))
        return *prompt;
    std::vector<std::string> out;
    for (const auto member : Fields::members)
        out.push_back(std::get<Fields>(outcome).*member);
    return out;
}

constexpr char clearTooltip[] = "Clear Current Data";
constexpr char angleTooltip[] = "Choose the Refracted Angle";
constexpr char angleCaption[] = "SHEAR WAVE ANGLE:";

constexpr std::array<FieldDescription, 4> soundPath{{
    {"T", Role::Input, "MATERIAL THICKNESS:", "Label10", "Enter the Material Thickness"},
    {"ANGLE_BOX", Role::Angle, angleCaption, "Label11", angleTooltip},
    {"A_B", Role::Result, "= A-B", "Label13", "Sound Path A to B"},
    {"A_B_C", Role::Result, "= A-B-C", "Label12", "Sound Path A to B to C"},
}};
constexpr std::array<FieldDescription, 3> surfaceTravel{{
    {"SP_TEXT", Role::Input, "SOUND PATH:", "Label15", "Enter the Sound Path"},
    {"ANGLE_BOX_2", Role::Angle, angleCaption, "Label14", angleTooltip},
    {"SURFACE_TRAVEL", Role::Result, "= SURFACE TRAVEL", "Label16", "Surface Travel Distance"},
}};
constexpr std::array<FieldDescription, 4> indicationDepth{{
    {"MAT_T", Role::Input, "MATERIAL THICKNESS:", "Label17", "Enter the Material Thickness"},
    {"A_B_SND_PATH", Role::Input, "(A-B) SOUND PATH:", "Label18", "Enter the A-B Sound Path"},
    {"IND_SP", Role::Input, "INDICATION SOUND PATH:", "Label19", "Enter the Indication Sound Path", true},
    {"DEPTH", Role::Result, "= INDICATION DEPTH", "Label20", "Indication Depth"},
}};

constexpr std::array<FieldDescription, 8> locate{{
    {"OD", Role::Input, "OUTSIDE DIAMETER:", "LOC_OD_LABEL", "Enter the Outside Diameter (Empty for a Flat Plate)"},
    {"WALL", Role::Input, "WALL THICKNESS:", "LOC_WALL_LABEL", "Enter the Wall Thickness"},
    {"MEAS_ANGLE", Role::Angle, "REFRACTED ANGLE:", "LOC_ANGLE_LABEL", "Enter the Measured Refracted Angle"},
    {"LOC_SP", Role::Input, "INDICATION SOUND PATH:", "LOC_SP_LABEL", "Enter the Indication Sound Path", true},
    {"LEG", Role::Result, "= LEG", "LOC_LEG_LABEL", "The Leg of the Sound Path"},
    {"LOC_DEPTH", Role::Result, "= DEPTH", "LOC_DEPTH_LABEL", "Depth Below the Outside Surface"},
    {"SURF_DIST", Role::Result, "= SURFACE DISTANCE", "LOC_SURF_LABEL", "Distance Along the Outside Surface"},
    {"SETUP", Role::Result, "THE BEAM IN THIS PART", "LOC_SETUP_LABEL", "Where the Beam Goes in This Part"},
}};

constexpr std::array<PanelDescription, 4> panels{{
    {"Frame1",
     "Sound Path",
     " Sound path ",
     soundPath,
     {"Command1", "CALCULATE", "Calculate Sound Path"},
     {"Command3", "CLEAR", clearTooltip},
     {"opt_INCH", "Inch", Unit::Inch},
     {"opt_MILLI", "MILLI", Unit::Millimetre},
     overTexts<SoundPathFields, calculateSoundPath>,
     overTexts<SoundPathFields, clearSoundPath>},
    {"Frame2",
     "Surface Travel",
     " Surface Travel ",
     surfaceTravel,
     {"Command2", "CALCULATE", "Calculate Surface Travel"},
     {"Command5", "CLEAR", clearTooltip},
     {"opt_Inch2", "Label23", Unit::Inch},
     {"Option1", "Label21", Unit::Millimetre},
     overTexts<SurfaceTravelFields, calculateSurfaceTravel>,
     overTexts<SurfaceTravelFields, clearSurfaceTravel>},
    {"Frame3",
     "Indication Depth",
     "Indication Depth",
     indicationDepth,
     {"Command4", "CALCULATE", "Calculate Indication Depth"},
     {"Command6", "CLEAR", clearTooltip},
     {"opt_INCH3", "Label25", Unit::Inch},
     {"Option3", "Label24", Unit::Millimetre},
     overTexts<IndicationDepthFields, calculateIndicationDepth>,
     overTexts<IndicationDepthFields, clearIndicationDepth>},
    {"LOCATE_FRAME",
     "Locate",
     "Locate",
     locate,
     {"LOC_CALC", "CALCULATE", "Locate the Reflector"},
     {"LOC_CLEAR", "CLEAR", clearTooltip},
     {"opt_INCH_LOC", "LOC_INCH_LABEL", Unit::Inch},
     {"opt_MILLI_LOC", "LOC_MILLI_LABEL", Unit::Millimetre},
     overTexts<LocateFields, calculateLocate>,
     overTexts<LocateFields, clearLocate>},
}};

// A Fields struct's panel index names the panel whose fields its texts are.
template <class Fields>
constexpr bool holds(std::span<const FieldDescription> fields)
{
    return panels[Fields::panel].fields.data() == fields.data() && fields.size() == Fields::members.size();
}
static_assert(holds<SoundPathFields>(soundPath) && holds<SurfaceTravelFields>(surfaceTravel)
              && holds<IndicationDepthFields>(indicationDepth) && holds<LocateFields>(locate));

} // namespace

std::string_view unitCaption(Unit unit) { return unit == Unit::Inch ? "Inch" : "Millimeter"; }

std::span<const PanelDescription> calculatorPanels() { return std::span(panels).first(3); }
const PanelDescription &locatePanel() { return panels.back(); }
std::span<const PanelDescription> allPanels() { return panels; }

std::string angleChoices()
{
    std::string text;
    for (std::size_t i = 0; i < angleTable.size(); ++i)
        text.append(i == 0 ? "" : i + 1 < angleTable.size() ? ", " : " or ").append(angleTable[i].text);
    return text;
}

const std::string &prompts::angle()
{
    static const std::string text = "Please Choose a Refracted Angle of " + angleChoices();
    return text;
}

} // namespace core
