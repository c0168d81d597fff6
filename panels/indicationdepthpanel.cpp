// SPDX-License-Identifier: MIT

#include "panels/indicationdepthpanel.h"

#include "core/indicationdepth.h"
#include "ui/twips.h"

using ui::twipRect;

namespace {
// The names in the window's design of the controls only this window draws,
// kept as their object names: tests and automation find the controls by them.
namespace designName {
constexpr char picture[] = "Picture3";
constexpr char letterA[] = "Label7";
constexpr char letterB[] = "Label8";
constexpr char letterC[] = "Label9";
} // namespace designName
} // namespace

IndicationDepthPanel::IndicationDepthPanel(QWidget *parent)
    : Panel(core::describe<core::IndicationDepthFields>(), parent)
{
    const core::PanelDescription &panel = core::describe<core::IndicationDepthFields>();
    const auto &thickness = panel.fields[0], &abSoundPath = panel.fields[1], &indicationSoundPath = panel.fields[2],
               &depth = panel.fields[3];
    addOutline(6600, 750, 1440, 390);
    addLine({6600, 750}, {7275, 1125}, Qt::black);
    addLine({7275, 1125}, {8025, 750}, Qt::black);
    addLine({7050, 765}, {7050, 1005}, QColor(255, 0, 0));
    addLetter(designName::letterA, "A", twipRect(6450, 525, 135, 210));
    addLetter(designName::letterC, "C", twipRect(8100, 525, 135, 210));
    addLetter(designName::letterB, "B", twipRect(5850, 1125, 240, 240));
    addFieldCaption(thickness, twipRect(1875, 525, 2040, 240));
    addFieldCaption(abSoundPath, twipRect(2175, 1050, 1740, 240));
    addFieldCaption(indicationSoundPath, twipRect(1650, 1575, 2265, 240));
    addFieldCaption(depth, twipRect(6300, 1575, 1815, 240));
    addUnitCaption(panel.inch, twipRect(525, 900, 540, 240));
    addUnitCaption(panel.millimetre, twipRect(525, 1350, 990, 240));

    addField(thickness, twipRect(3975, 450, 690, 315), 13);
    addField(abSoundPath, twipRect(3975, 975, 690, 315), 12);
    addField(indicationSoundPath, twipRect(3975, 1500, 690, 315), 11);
    addCommand(panel.calculate, twipRect(4950, 450, 1365, 390), 10);
    addField(depth, twipRect(5175, 1500, 1140, 360), 9);
    addCommand(panel.clear, twipRect(4950, 900, 1365, 390), 8);
    addPicture(designName::picture, twipRect(600, 300, 480, 480));
    addUnitPair(twipRect(225, 900, 165, 225), 5, twipRect(225, 1350, 165, 225), 6);
}
