// SPDX-License-Identifier: MIT

#include "panels/surfacetravelpanel.h"

#include "ui/fonts.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using ui::twipRect;

namespace {
// The controls' names in the window's design, kept as their object names:
// tests, screen readers and automation find the controls by them.
namespace designName {
constexpr char panel[] = "Frame2";
constexpr char soundPath[] = "SP_TEXT";
constexpr char angle[] = "ANGLE_BOX_2";
constexpr char surfaceTravel[] = "SURFACE_TRAVEL";
constexpr char calculate[] = "Command2";
constexpr char clear[] = "Command5";
constexpr char inchButton[] = "opt_Inch2";
constexpr char millimetreButton[] = "Option1";
constexpr char inchCaption[] = "Label23";
constexpr char millimetreCaption[] = "Label21";
} // namespace designName
} // namespace

SurfaceTravelPanel::SurfaceTravelPanel(QWidget *parent)
    : Panel(designName::panel, QStringLiteral("Surface Travel"), parent)
{
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
    const QFont captionFont = ui::tahoma(8.25);
    const auto right = Qt::AlignRight;
    addCaption("Label14", QStringLiteral("SHEAR WAVE ANGLE:"), twipRect(2325, 675, 1815, 240), captionFont, right);
    addCaption("Label15", QStringLiteral("SOUND PATH:"), twipRect(2925, 300, 1215, 240), captionFont, right);
    addCaption("Label16", QStringLiteral("= SURFACE TRAVEL"), twipRect(6450, 1500, 1665, 240), captionFont, right);
    addLetter("Label3", QStringLiteral("C"), twipRect(6825, 375, 135, 210));
    addLetter("Label2", QStringLiteral("B"), twipRect(6000, 1050, 240, 240));
    addLetter("Label1", QStringLiteral("A"), twipRect(5250, 375, 135, 210));
    QLabel *millimetreCaption = addCaption(designName::millimetreCaption, QStringLiteral("Millimeter"),
                                           twipRect(1350, 1275, 990, 240), ui::windowFont(), Qt::AlignHCenter);
    QLabel *inchCaption = addCaption(designName::inchCaption, QStringLiteral("Inch"), twipRect(1350, 825, 540, 240),
                                     ui::windowFont(), Qt::AlignHCenter);

    angle_ = addAngleBox(designName::angle, twipRect(4200, 600, 615, 360), 24);
    soundPath_ = addField(designName::soundPath, FieldRole::Input, QStringLiteral("Enter the Sound Path"),
                          twipRect(4200, 225, 840, 315), 25);
    auto *calculateButton = addButton(designName::calculate, QStringLiteral("CALCULATE"),
                                      QStringLiteral("Calculate Surface Travel"), twipRect(2700, 1050, 1365, 390), 26);
    surfaceTravel_ = addField(designName::surfaceTravel, FieldRole::Result, QStringLiteral("Surface Travel Distance"),
                              twipRect(5325, 1425, 1140, 315), 27);
    auto *clearButton = addButton(designName::clear, QStringLiteral("CLEAR"), QStringLiteral("Clear Current Data"),
                                  twipRect(2700, 1500, 1365, 390), 28);
    addPicture("Picture2", twipRect(375, 900, 480, 480));
    std::tie(inchButton_, millimetreButton_) =
        addUnitPair(designName::inchButton, twipRect(1050, 825, 165, 225), 31, designName::millimetreButton,
                    twipRect(1050, 1275, 165, 225), 30);
    inchButton_->raise();

    captionFor(inchCaption, inchButton_);
    captionFor(millimetreCaption, millimetreButton_);
    calculateOnReturn(calculateButton);
    connect(calculateButton, &QPushButton::clicked, this, &SurfaceTravelPanel::calculate);
    connect(clearButton, &QPushButton::clicked, this, &SurfaceTravelPanel::clear);
}

core::SurfaceTravelFields SurfaceTravelPanel::fields() const
{
    return {panels::text(soundPath_), panels::text(angle_), panels::text(surfaceTravel_), inchButton_->isChecked()};
}

void SurfaceTravelPanel::showFields(const core::SurfaceTravelFields &f)
{
    panels::setText(soundPath_, f.soundPath);
    panels::setText(surfaceTravel_, f.surfaceTravel);
}

void SurfaceTravelPanel::calculate()
{
    settle(core::calculateSurfaceTravel(fields(), decimal()),
           [this](const core::SurfaceTravelFields &out) { showFields(out); });
}

void SurfaceTravelPanel::clear() { showFields(core::clearSurfaceTravel(fields())); }
