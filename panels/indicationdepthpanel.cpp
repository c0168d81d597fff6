// SPDX-License-Identifier: MIT

#include "panels/indicationdepthpanel.h"

#include "core/indicationdepth.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using ui::twipRect;

namespace {
// The controls' names in the window's design, kept as their object names:
// tests and automation find the controls by them.
namespace designName {
constexpr char panel[] = "Frame3";
constexpr char picture[] = "Picture3";
constexpr char letterA[] = "Label7";
constexpr char letterB[] = "Label8";
constexpr char letterC[] = "Label9";
constexpr char thicknessCaption[] = "Label17";
constexpr char abSoundPathCaption[] = "Label18";
constexpr char indicationCaption[] = "Label19";
constexpr char depthCaption[] = "Label20";
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
    addLetter(designName::letterA, QStringLiteral("A"), twipRect(6450, 525, 135, 210));
    addLetter(designName::letterC, QStringLiteral("C"), twipRect(8100, 525, 135, 210));
    addLetter(designName::letterB, QStringLiteral("B"), twipRect(5850, 1125, 240, 240));

    const QFont captionFont = ui::tahoma(8.25);
    QFont underlined = captionFont;
    underlined.setUnderline(true);
    const auto right = Qt::AlignRight;
    addCaption(designName::thicknessCaption, QStringLiteral("MATERIAL THICKNESS:"), twipRect(1875, 525, 2040, 240),
               captionFont, right);
    addCaption(designName::abSoundPathCaption, QStringLiteral("(A-B) SOUND PATH:"), twipRect(2175, 1050, 1740, 240),
               captionFont, right);
    addCaption(designName::indicationCaption, QStringLiteral("INDICATION SOUND PATH:"), twipRect(1650, 1575, 2265, 240),
               underlined, right);
    addCaption(designName::depthCaption, QStringLiteral("= INDICATION DEPTH"), twipRect(6300, 1575, 1815, 240),
               captionFont, right);
    QLabel *inchCaption = addCaption(designName::inchCaption, QStringLiteral("Inch"), twipRect(525, 900, 540, 240),
                                     ui::windowFont(), Qt::AlignHCenter);
    QLabel *millimetreCaption = addCaption(designName::millimetreCaption, QStringLiteral("Millimeter"),
                                           twipRect(525, 1350, 990, 240), ui::windowFont(), Qt::AlignHCenter);

    QLineEdit *thickness = addField(designName::thickness, FieldRole::Input,
                                    QStringLiteral("Enter the Material Thickness"), twipRect(3975, 450, 690, 315), 13);
    QLineEdit *abSoundPath = addField(designName::abSoundPath, FieldRole::Input,
                                      QStringLiteral("Enter the A-B Sound Path"), twipRect(3975, 975, 690, 315), 12);
    QLineEdit *indicationSoundPath =
        addField(designName::indicationSoundPath, FieldRole::Input, QStringLiteral("Enter the Indication Sound Path"),
                 twipRect(3975, 1500, 690, 315), 11);
    auto *calculateButton = addButton(designName::calculate, QStringLiteral("CALCULATE"),
                                      QStringLiteral("Calculate Indication Depth"), twipRect(4950, 450, 1365, 390), 10);
    QLineEdit *depth = addField(designName::depth, FieldRole::Result, QStringLiteral("Indication Depth"),
                                twipRect(5175, 1500, 1140, 360), 9);
    auto *clearButton = addButton(designName::clear, QStringLiteral("CLEAR"), QStringLiteral("Clear Current Data"),
                                  twipRect(4950, 900, 1365, 390), 8);
    addPicture(designName::picture, twipRect(600, 300, 480, 480));
    const auto [inchButton, millimetreButton] =
        addUnitPair(designName::inchButton, twipRect(225, 900, 165, 225), 5, designName::millimetreButton,
                    twipRect(225, 1350, 165, 225), 6);

    captionFor(inchCaption, inchButton);
    captionFor(millimetreCaption, millimetreButton);
    using Fields = core::IndicationDepthFields;
    const panels::Binding<Fields> binding{{{&Fields::thickness, thickness},
                                           {&Fields::abSoundPath, abSoundPath},
                                           {&Fields::indicationSoundPath, indicationSoundPath},
                                           {&Fields::depth, depth}},
                                          inchButton};
    bindCommands(binding, calculateButton, core::calculateIndicationDepth, clearButton, core::clearIndicationDepth);
}
