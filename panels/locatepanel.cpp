// SPDX-License-Identifier: MIT

#include "panels/locatepanel.h"

#include "core/description.h"
#include "core/locate.h"
#include "panels/locationdrawing.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>

#include <tuple>
#include <utility>

using ui::twipRect;

namespace {
// The names of the controls only this panel draws, kept as their object
// names: tests and automation find the controls by them.
namespace designName {
constexpr char picture[] = "LOC_PICTURE";
constexpr char drawing[] = "LOC_DRAWING";
} // namespace designName
} // namespace

LocatePanel::LocatePanel(QWidget *parent)
    : Panel(core::describe<core::LocateFields>(), parent)
{
    const core::PanelDescription &panel = core::describe<core::LocateFields>();
    const auto &diameter = panel.fields[0], &wall = panel.fields[1], &angle = panel.fields[2],
               &soundPath = panel.fields[3], &leg = panel.fields[4], &depth = panel.fields[5],
               &surfaceDistance = panel.fields[6], &setup = panel.fields[7];
    setGeometry(twipRect(300, 225, 8640, 7350));

    addFieldCaption(diameter, twipRect(1575, 375, 2340, 240));
    addFieldCaption(wall, twipRect(1575, 750, 2340, 240));
    addFieldCaption(angle, twipRect(1575, 1125, 2340, 240));
    addFieldCaption(soundPath, twipRect(1575, 1575, 2340, 240));
    addFieldCaption(setup, twipRect(225, 2550, 2415, 240));
    // The results' captions follow their fields, as "= A-B" does.
    for (const auto &[result, top] : {std::pair{&leg, 375}, {&depth, 750}, {&surfaceDistance, 1125}})
        addFieldCaption(*result, twipRect(6600, top, 1890, 240))->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addUnitCaption(panel.inch, twipRect(525, 900, 540, 240));
    addUnitCaption(panel.millimetre, twipRect(525, 1350, 990, 240));

    addField(diameter, twipRect(3975, 300, 1140, 315), 1);
    addField(wall, twipRect(3975, 675, 1140, 315), 2);
    // Any measured angle is taken, not only the chart's.
    addField(angle, twipRect(3975, 1050, 840, 360), 3)
        ->setAccessibleDescription(
            QString::fromStdString("Type the measured angle in degrees, or choose " + core::angleChoices()));
    addField(soundPath, twipRect(3975, 1500, 1140, 315), 4);
    addCommand(panel.calculate, twipRect(3975, 1980, 1365, 390), 5);
    // Only CALCULATE writes the results.
    for (const auto &[result, top, tabIndex] :
         {std::tuple{&leg, 300, 6}, {&depth, 675, 7}, {&surfaceDistance, 1050, 8}})
        static_cast<QLineEdit *>(addField(*result, twipRect(5400, top, 1140, 315), tabIndex))->setReadOnly(true);
    addLines(setup, twipRect(2700, 2475, 5715, 1200), 9);
    addCommand(panel.clear, twipRect(5550, 1980, 1365, 390), 10);
    addPicture(designName::picture, twipRect(600, 300, 480, 480));
    addUnitPair(twipRect(225, 900, 165, 225), 11, twipRect(225, 1350, 165, 225), 12);

    drawing_ = new LocationDrawing(this);
    drawing_->setObjectName(QLatin1String(designName::drawing));
    drawing_->setGeometry(twipRect(225, 3825, 8190, 3300));
}

void LocatePanel::textsShown(std::span<const std::string> texts, bool inch, char decimal)
{
    // CALCULATE's texts draw the part; CLEAR's, with nothing to locate, a bare frame.
    drawing_->setDrawing(core::drawLocateFields(texts, inch, decimal));
}
