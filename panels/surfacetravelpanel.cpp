// SPDX-License-Identifier: MIT

#include "panels/surfacetravelpanel.h"

#include "core/surfacetravel.h"
#include "ui/twips.h"

#include <QRadioButton>

using ui::twipRect;

namespace {
// The names in the window's design of the controls only this window draws,
// kept as their object names: tests and automation find the controls by them.
namespace designName {
constexpr char picture[] = "Picture2";
constexpr char letterA[] = "Label1";
constexpr char letterB[] = "Label2";
constexpr char letterC[] = "Label3";
} // namespace designName
} // namespace

SurfaceTravelPanel::SurfaceTravelPanel(QWidget *parent)
    : Panel(core::describe<core::SurfaceTravelFields>(), parent)
{
    const core::PanelDescription &panel = core::describe<core::SurfaceTravelFields>();
    const auto &soundPath = panel.fields[0], &angle = panel.fields[1], &surfaceTravel = panel.fields[2];
    // Created bottom of the stacking order first, so later controls lie on top.
    const QColor lineColour = palette().color(QPalette::WindowText);
    addLine({6750, 450}, {6750, 600}, lineColour);
    addLine({6075, 450}, {6075, 600}, lineColour);
    addLine({5400, 450}, {5400, 600}, lineColour);
    addLine({6150, 525}, {6675, 525}, Qt::blue);
    addLine({5475, 525}, {6000, 525}, Qt::red);
    addLine({6075, 975}, {6750, 600}, Qt::black);
    addLine({5400, 600}, {6075, 975}, Qt::black);
    addOutline(5400, 600, 1365, 390);
    addFieldCaption(angle, twipRect(2325, 675, 1815, 240));
    addFieldCaption(soundPath, twipRect(2925, 300, 1215, 240));
    addFieldCaption(surfaceTravel, twipRect(6450, 1500, 1665, 240));
    addLetter(designName::letterC, "C", twipRect(6825, 375, 135, 210));
    addLetter(designName::letterB, "B", twipRect(6000, 1050, 240, 240));
    addLetter(designName::letterA, "A", twipRect(5250, 375, 135, 210));
    addUnitCaption(panel.millimetre, twipRect(1350, 1275, 990, 240));
    addUnitCaption(panel.inch, twipRect(1350, 825, 540, 240));

    addField(angle, twipRect(4200, 600, 615, 360), 24);
    addField(soundPath, twipRect(4200, 225, 840, 315), 25);
    addCommand(panel.calculate, twipRect(2700, 1050, 1365, 390), 26);
    addField(surfaceTravel, twipRect(5325, 1425, 1140, 315), 27);
    addCommand(panel.clear, twipRect(2700, 1500, 1365, 390), 28);
    addPicture(designName::picture, twipRect(375, 900, 480, 480));
    addUnitPair(twipRect(1050, 825, 165, 225), 31, twipRect(1050, 1275, 165, 225), 30).first->raise();
}
