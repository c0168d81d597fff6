// SPDX-License-Identifier: MIT

#include "calc/indicationdepthpanel.h"

#include "ui/fonts.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using ui::twipRect;

IndicationDepthPanel::IndicationDepthPanel(QWidget *parent)
    : Panel(QStringLiteral("Frame3"), QStringLiteral("Indication Depth"), parent)
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
    QLabel *inchCaption =
        addCaption("Label25", QStringLiteral("Inch"), twipRect(525, 900, 540, 240), ui::windowFont(), Qt::AlignHCenter);
    QLabel *milliCaption = addCaption("Label24", QStringLiteral("Millimeter"), twipRect(525, 1350, 990, 240),
                                      ui::windowFont(), Qt::AlignHCenter);

    MAT_T = addField("MAT_T", FieldRole::Input, QStringLiteral("Enter the Material Thickness"),
                     twipRect(3975, 450, 690, 315), 13);
    A_B_SND_PATH = addField("A_B_SND_PATH", FieldRole::Input, QStringLiteral("Enter the A-B Sound Path"),
                            twipRect(3975, 975, 690, 315), 12);
    IND_SP = addField("IND_SP", FieldRole::Input, QStringLiteral("Enter the Indication Sound Path"),
                      twipRect(3975, 1500, 690, 315), 11);
    auto *calculate = addButton("Command4", QStringLiteral("CALCULATE"), QStringLiteral("Calculate Indication Depth"),
                                twipRect(4950, 450, 1365, 390), 10);
    DEPTH =
        addField("DEPTH", FieldRole::Result, QStringLiteral("Indication Depth"), twipRect(5175, 1500, 1140, 360), 9);
    auto *clear = addButton("Command6", QStringLiteral("CLEAR"), QStringLiteral("Clear Current Data"),
                            twipRect(4950, 900, 1365, 390), 8);
    addPicture("Picture3", twipRect(600, 300, 480, 480));
    std::tie(opt_INCH3, Option3) =
        addUnitPair("opt_INCH3", twipRect(225, 900, 165, 225), 5, "Option3", twipRect(225, 1350, 165, 225), 6);

    captionFor(inchCaption, opt_INCH3);
    captionFor(milliCaption, Option3);
    calculateOnReturn(calculate);
    connect(calculate, &QPushButton::clicked, this, &IndicationDepthPanel::Command4_Click);
    connect(clear, &QPushButton::clicked, this, &IndicationDepthPanel::Command6_Click);
}

calc::IndicationDepthFields IndicationDepthPanel::fields() const
{
    return {calc::text(MAT_T), calc::text(A_B_SND_PATH), calc::text(IND_SP), calc::text(DEPTH), opt_INCH3->isChecked()};
}

void IndicationDepthPanel::showFields(const calc::IndicationDepthFields &f)
{
    calc::setText(MAT_T, f.MAT_T);
    calc::setText(A_B_SND_PATH, f.A_B_SND_PATH);
    calc::setText(IND_SP, f.IND_SP);
    calc::setText(DEPTH, f.DEPTH);
}

void IndicationDepthPanel::Command4_Click()
{
    settle(calc::calculateIndicationDepth(fields(), decimal()),
           [this](const calc::IndicationDepthFields &out) { showFields(out); });
}

void IndicationDepthPanel::Command6_Click() { showFields(calc::clearIndicationDepth(fields())); }
