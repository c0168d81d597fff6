// SPDX-License-Identifier: MIT

#include "panels/indicationdepthpanel.h"

#include "ui/fonts.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using ui::twipRect;

namespace {
// The controls' names in the window's design, kept as their object names:
// tests, screen readers and automation find the controls by them.
namespace designName {
constexpr char panel[] = "Frame3";
constexpr char thickness[] = "MAT_T";
constexpr char abSoundPath[] = "A_B_SND_PATH";
constexpr char indicationSoundPath[] = "IND_SP";
constexpr char depth[] = "DEPTH";
constexpr char calculate[] = "Command4";
constexpr char clear[] = "Command6";
constexpr char inchButton[] = "opt_INCH3";
constexpr char millimetreButton[] = "Option3";
constexpr char inchCaption[] = "Label25";
constexpr char millimetreCaption[] = "Label24";
} // namespace designName
} // namespace

IndicationDepthPanel::IndicationDepthPanel(QWidget *parent)
    : Panel(designName::panel, QStringLiteral("Indication Depth"), parent)
{
    addOutline(6600, 750, 1440, 390);
    addLine({6600, 750}, {7275, 1125}, Qt::black);
    addLine({7275, 1125}, {8025, 750}, Qt::black);
    addLine({7050, 765}, {7050, 1005}, QColor(255, 0, 0));
    addLetter("Label7", QStringLiteral("A"), twipRect(6450, 525, 135, 210));
    addLetter("Label9", QStringLiteral("C"), twipRect(8100, 525, 135, 210));
    addLetter("Label8", QStringLiteral("B"), twipRect(5850, 1125, 240, 240));

    const QFont captionFont = ui::tahoma(8.25);
    QFont underlined = captionFont;
    underlined.setUnderline(true);
    const auto right = Qt::AlignRight;
    addCaption("Label17", QStringLiteral("MATERIAL THICKNESS:"), twipRect(1875, 525, 2040, 240), captionFont, right);
    addCaption("Label18", QStringLiteral("(A-B) SOUND PATH:"), twipRect(2175, 1050, 1740, 240), captionFont, right);
    addCaption("Label19", QStringLiteral("INDICATION SOUND PATH:"), twipRect(1650, 1575, 2265, 240), underlined, right);
    addCaption("Label20", QStringLiteral("= INDICATION DEPTH"), twipRect(6300, 1575, 1815, 240), captionFont, right);
    QLabel *inchCaption = addCaption(designName::inchCaption, QStringLiteral("Inch"), twipRect(525, 900, 540, 240),
                                     ui::windowFont(), Qt::AlignHCenter);
    QLabel *millimetreCaption = addCaption(designName::millimetreCaption, QStringLiteral("Millimeter"),
                                           twipRect(525, 1350, 990, 240), ui::windowFont(), Qt::AlignHCenter);

    thickness_ = addField(designName::thickness, FieldRole::Input, QStringLiteral("Enter the Material Thickness"),
                          twipRect(3975, 450, 690, 315), 13);
    abSoundPath_ = addField(designName::abSoundPath, FieldRole::Input, QStringLiteral("Enter the A-B Sound Path"),
                            twipRect(3975, 975, 690, 315), 12);
    indicationSoundPath_ =
        addField(designName::indicationSoundPath, FieldRole::Input, QStringLiteral("Enter the Indication Sound Path"),
                 twipRect(3975, 1500, 690, 315), 11);
    auto *calculateButton = addButton(designName::calculate, QStringLiteral("CALCULATE"),
                                      QStringLiteral("Calculate Indication Depth"), twipRect(4950, 450, 1365, 390), 10);
    depth_ = addField(designName::depth, FieldRole::Result, QStringLiteral("Indication Depth"),
                      twipRect(5175, 1500, 1140, 360), 9);
    auto *clearButton = addButton(designName::clear, QStringLiteral("CLEAR"), QStringLiteral("Clear Current Data"),
                                  twipRect(4950, 900, 1365, 390), 8);
    addPicture("Picture3", twipRect(600, 300, 480, 480));
    std::tie(inchButton_, millimetreButton_) =
        addUnitPair(designName::inchButton, twipRect(225, 900, 165, 225), 5, designName::millimetreButton,
                    twipRect(225, 1350, 165, 225), 6);

    captionFor(inchCaption, inchButton_);
    captionFor(millimetreCaption, millimetreButton_);
    calculateOnReturn(calculateButton);
    connect(calculateButton, &QPushButton::clicked, this, &IndicationDepthPanel::calculate);
    connect(clearButton, &QPushButton::clicked, this, &IndicationDepthPanel::clear);
}

core::IndicationDepthFields IndicationDepthPanel::fields() const
{
    return {panels::text(thickness_), panels::text(abSoundPath_), panels::text(indicationSoundPath_), panels::text(depth_),
            inchButton_->isChecked()};
}

void IndicationDepthPanel::showFields(const core::IndicationDepthFields &f)
{
    panels::setText(thickness_, f.thickness);
    panels::setText(abSoundPath_, f.abSoundPath);
    panels::setText(indicationSoundPath_, f.indicationSoundPath);
    panels::setText(depth_, f.depth);
}

void IndicationDepthPanel::calculate()
{
    settle(core::calculateIndicationDepth(fields(), decimal()),
           [this](const core::IndicationDepthFields &out) { showFields(out); });
}

void IndicationDepthPanel::clear() { showFields(core::clearIndicationDepth(fields())); }
