// SPDX-License-Identifier: MIT

#include "panels/soundpathpanel.h"

#include "core/soundpath.h"
#include "ui/twips.h"

using ui::twipRect;

namespace {
// The names in the window's design of the controls only this window draws,
// kept as their object names: tests and automation find the controls by them.
namespace designName {
constexpr char picture[] = "Picture1";
constexpr char letterA[] = "Label6";
constexpr char letterB[] = "Label5";
constexpr char letterC[] = "Label4";
} // namespace designName
} // namespace

SoundPathPanel::SoundPathPanel(QWidget *parent)
    : Panel(core::describe<core::SoundPathFields>(), parent)
{
    const core::PanelDescription &panel = core::describe<core::SoundPathFields>();
    const auto &thickness = panel.fields[0], &angle = panel.fields[1], &abSoundPath = panel.fields[2],
               &abcSoundPath = panel.fields[3];
    // Created bottom of the stacking order first, so later controls lie on top.
    addOutline(5325, 825, 1440, 390);
    addLine({5325, 825}, {6000, 1200}, Qt::red);
    addLine({6000, 1200}, {6750, 825}, Qt::blue);
    addLetter(designName::letterC, "C", twipRect(6675, 600, 135, 210));
    addLetter(designName::letterB, "B", twipRect(5925, 1200, 240, 240));
    addLetter(designName::letterA, "A", twipRect(5220, 660, 135, 210));
    addFieldCaption(abcSoundPath, twipRect(7500, 375, 690, 240));
    addFieldCaption(abSoundPath, twipRect(6600, 1500, 540, 240));
    addFieldCaption(angle, twipRect(2400, 750, 1815, 240));
    addFieldCaption(thickness, twipRect(2175, 375, 2040, 240));
    addUnitCaption(panel.inch, twipRect(1200, 750, 540, 240));
    addUnitCaption(panel.millimetre, twipRect(1200, 1200, 990, 240));

    addField(abSoundPath, twipRect(5475, 1425, 1140, 315), 41);
    addField(abcSoundPath, twipRect(6375, 300, 1140, 315), 42);
    addCommand(panel.clear, twipRect(2625, 1575, 1365, 390), 43);
    addField(angle, twipRect(4275, 675, 615, 360), 2);
    addCommand(panel.calculate, twipRect(2625, 1125, 1365, 390), 3);
    addField(thickness, twipRect(4275, 300, 690, 315), 1);
    addPicture(designName::picture, twipRect(225, 900, 480, 480));
    addUnitPair(twipRect(900, 750, 165, 225), 45, twipRect(900, 1200, 165, 225), 46);
}
