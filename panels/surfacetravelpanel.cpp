// SPDX-License-Identifier: MIT

#include "panels/surfacetravelpanel.h"

#include "core/surfacetravel.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using ui::twipRect;

namespace {
// The controls' names in the window's design, kept as their object names:
// tests and automation find the controls by them.
namespace designName {
constexpr char panel[] = "Frame2";
constexpr char picture[] = "Picture2";
constexpr char letterA[] = "Label1";
constexpr char letterB[] = "Label2";
constexpr char letterC[] = "Label3";
constexpr char angleCaption[] = "Label14";
constexpr char soundPathCaption[] = "Label15";
constexpr char surfaceTravelCaption[] = "Label16";
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
    addCaption(designName::angleCaption, QStringLiteral("SHEAR WAVE ANGLE:"), twipRect(2325, 675, 1815, 240),
               captionFont, right);
    addCaption(designName::soundPathCaption, QStringLiteral("SOUND PATH:"), twipRect(2925, 300, 1215, 240), captionFont,
               right);
    addCaption(designName::surfaceTravelCaption, QStringLiteral("= SURFACE TRAVEL"), twipRect(6450, 1500, 1665, 240),
               captionFont, right);
    addLetter(designName::letterC, QStringLiteral("C"), twipRect(6825, 375, 135, 210));
    addLetter(designName::letterB, QStringLiteral("B"), twipRect(6000, 1050, 240, 240));
    addLetter(designName::letterA, QStringLiteral("A"), twipRect(5250, 375, 135, 210));
    QLabel *millimetreCaption = addCaption(designName::millimetreCaption, QStringLiteral("Millimeter"),
                                           twipRect(1350, 1275, 990, 240), ui::windowFont(), Qt::AlignHCenter);
    QLabel *inchCaption = addCaption(designName::inchCaption, QStringLiteral("Inch"), twipRect(1350, 825, 540, 240),
                                     ui::windowFont(), Qt::AlignHCenter);

    QComboBox *angle = addAngleBox(designName::angle, twipRect(4200, 600, 615, 360), 24);
    QLineEdit *soundPath = addField(designName::soundPath, FieldRole::Input, QStringLiteral("Enter the Sound Path"),
                                    twipRect(4200, 225, 840, 315), 25);
    auto *calculateButton = addButton(designName::calculate, QStringLiteral("CALCULATE"),
                                      QStringLiteral("Calculate Surface Travel"), twipRect(2700, 1050, 1365, 390), 26);
    QLineEdit *surfaceTravel = addField(designName::surfaceTravel, FieldRole::Result,
                                        QStringLiteral("Surface Travel Distance"), twipRect(5325, 1425, 1140, 315), 27);
    auto *clearButton = addButton(designName::clear, QStringLiteral("CLEAR"), QStringLiteral("Clear Current Data"),
                                  twipRect(2700, 1500, 1365, 390), 28);
    addPicture(designName::picture, twipRect(375, 900, 480, 480));
    const auto [inchButton, millimetreButton] =
        addUnitPair(designName::inchButton, twipRect(1050, 825, 165, 225), 31, designName::millimetreButton,
                    twipRect(1050, 1275, 165, 225), 30);
    inchButton->raise();

    captionFor(inchCaption, inchButton);
    captionFor(millimetreCaption, millimetreButton);
    using Fields = core::SurfaceTravelFields;
    const panels::Binding<Fields> binding{
        {{&Fields::soundPath, soundPath}, {&Fields::angle, angle}, {&Fields::surfaceTravel, surfaceTravel}},
        inchButton};
    bindCommands(binding, calculateButton, core::calculateSurfaceTravel, clearButton, core::clearSurfaceTravel);
}
