// SPDX-License-Identifier: MIT

#include "panels/soundpathpanel.h"

#include "core/soundpath.h"
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
constexpr char panel[] = "Frame1";
constexpr char picture[] = "Picture1";
constexpr char letterA[] = "Label6";
constexpr char letterB[] = "Label5";
constexpr char letterC[] = "Label4";
constexpr char abcCaption[] = "Label12";
constexpr char abCaption[] = "Label13";
constexpr char angleCaption[] = "Label11";
constexpr char thicknessCaption[] = "Label10";
constexpr char thickness[] = "T";
constexpr char angle[] = "ANGLE_BOX";
constexpr char abSoundPath[] = "A_B";
constexpr char abcSoundPath[] = "A_B_C";
constexpr char calculate[] = "Command1";
constexpr char clear[] = "Command3";
constexpr char inchButton[] = "opt_INCH";
constexpr char millimetreButton[] = "opt_MILLI";
constexpr char inchCaption[] = "Inch";
constexpr char millimetreCaption[] = "MILLI";
} // namespace designName
} // namespace

SoundPathPanel::SoundPathPanel(QWidget *parent)
    : Panel(designName::panel, QStringLiteral("Sound Path"), parent)
{
    // Created bottom of the stacking order first, so later controls lie on top.
    addOutline(5325, 825, 1440, 390);
    addLine({5325, 825}, {6000, 1200}, Qt::red);
    addLine({6000, 1200}, {6750, 825}, Qt::blue);
    addLetter(designName::letterC, QStringLiteral("C"), twipRect(6675, 600, 135, 210));
    addLetter(designName::letterB, QStringLiteral("B"), twipRect(5925, 1200, 240, 240));
    addLetter(designName::letterA, QStringLiteral("A"), twipRect(5220, 660, 135, 210));
    const QFont captionFont = ui::tahoma(8.25);
    const auto right = Qt::AlignRight;
    addCaption(designName::abcCaption, QStringLiteral("= A-B-C"), twipRect(7500, 375, 690, 240), captionFont, right);
    addCaption(designName::abCaption, QStringLiteral("= A-B"), twipRect(6600, 1500, 540, 240), captionFont, right);
    addCaption(designName::angleCaption, QStringLiteral("SHEAR WAVE ANGLE:"), twipRect(2400, 750, 1815, 240),
               captionFont, right);
    addCaption(designName::thicknessCaption, QStringLiteral("MATERIAL THICKNESS:"), twipRect(2175, 375, 2040, 240),
               captionFont, right);
    QLabel *inchCaption = addCaption(designName::inchCaption, QStringLiteral("Inch"), twipRect(1200, 750, 540, 240),
                                     ui::windowFont(), Qt::AlignHCenter);
    QLabel *millimetreCaption = addCaption(designName::millimetreCaption, QStringLiteral("Millimeter"),
                                           twipRect(1200, 1200, 990, 240), ui::windowFont(), Qt::AlignHCenter);

    QLineEdit *abSoundPath = addField(designName::abSoundPath, FieldRole::Result, QStringLiteral("Sound Path A to B"),
                                      twipRect(5475, 1425, 1140, 315), 41);
    QLineEdit *abcSoundPath = addField(designName::abcSoundPath, FieldRole::Result,
                                       QStringLiteral("Sound Path A to B to C"), twipRect(6375, 300, 1140, 315), 42);
    auto *clearButton = addButton(designName::clear, QStringLiteral("CLEAR"), QStringLiteral("Clear Current Data"),
                                  twipRect(2625, 1575, 1365, 390), 43);
    QComboBox *angle = addAngleBox(designName::angle, twipRect(4275, 675, 615, 360), 2);
    auto *calculateButton = addButton(designName::calculate, QStringLiteral("CALCULATE"),
                                      QStringLiteral("Calculate Sound Path"), twipRect(2625, 1125, 1365, 390), 3);
    QLineEdit *thickness = addField(designName::thickness, FieldRole::Input,
                                    QStringLiteral("Enter the Material Thickness"), twipRect(4275, 300, 690, 315), 1);
    addPicture(designName::picture, twipRect(225, 900, 480, 480));
    const auto [inchButton, millimetreButton] =
        addUnitPair(designName::inchButton, twipRect(900, 750, 165, 225), 45, designName::millimetreButton,
                    twipRect(900, 1200, 165, 225), 46);

    captionFor(inchCaption, inchButton);
    captionFor(millimetreCaption, millimetreButton);
    using Fields = core::SoundPathFields;
    const panels::Binding<Fields> binding{{{&Fields::thickness, thickness},
                                           {&Fields::angle, angle},
                                           {&Fields::abSoundPath, abSoundPath},
                                           {&Fields::abcSoundPath, abcSoundPath}},
                                          inchButton};
    bindCommands(binding, calculateButton, core::calculateSoundPath, clearButton, core::clearSoundPath);
}
