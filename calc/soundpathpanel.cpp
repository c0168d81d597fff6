// SPDX-License-Identifier: MIT

#include "calc/soundpathpanel.h"

#include "ui/fonts.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using ui::twipRect;

SoundPathPanel::SoundPathPanel(QWidget *parent)
    : Panel(QStringLiteral("Frame1"), QStringLiteral("Sound Path"), parent)
{
    // Created bottom of the stacking order first, so later controls lie on top.
    addOutline(5325, 825, 1440, 390);
    addLine({5325, 825}, {6000, 1200}, Qt::red);
    addLine({6000, 1200}, {6750, 825}, Qt::blue);
    addLetter("Label4", QStringLiteral("C"), twipRect(6675, 600, 135, 210));
    addLetter("Label5", QStringLiteral("B"), twipRect(5925, 1200, 240, 240));
    addLetter("Label6", QStringLiteral("A"), twipRect(5220, 660, 135, 210));
    const QFont captionFont = ui::tahoma(8.25);
    const auto right = Qt::AlignRight;
    addCaption("Label12", QStringLiteral("= A-B-C"), twipRect(7500, 375, 690, 240), captionFont, right);
    addCaption("Label13", QStringLiteral("= A-B"), twipRect(6600, 1500, 540, 240), captionFont, right);
    addCaption("Label11", QStringLiteral("SHEAR WAVE ANGLE:"), twipRect(2400, 750, 1815, 240), captionFont, right);
    addCaption("Label10", QStringLiteral("MATERIAL THICKNESS:"), twipRect(2175, 375, 2040, 240), captionFont, right);
    QLabel *inchCaption =
        addCaption("Inch", QStringLiteral("Inch"), twipRect(1200, 750, 540, 240), ui::windowFont(), Qt::AlignHCenter);
    QLabel *milliCaption = addCaption("MILLI", QStringLiteral("Millimeter"), twipRect(1200, 1200, 990, 240),
                                      ui::windowFont(), Qt::AlignHCenter);

    A_B = addField("A_B", FieldRole::Result, QStringLiteral("Sound Path A to B"), twipRect(5475, 1425, 1140, 315), 41);
    A_B_C = addField("A_B_C", FieldRole::Result, QStringLiteral("Sound Path A to B to C"),
                     twipRect(6375, 300, 1140, 315), 42);
    auto *clear = addButton("Command3", QStringLiteral("CLEAR"), QStringLiteral("Clear Current Data"),
                            twipRect(2625, 1575, 1365, 390), 43);
    ANGLE_BOX = addAngleBox("ANGLE_BOX", twipRect(4275, 675, 615, 360), 2);
    auto *calculate = addButton("Command1", QStringLiteral("CALCULATE"), QStringLiteral("Calculate Sound Path"),
                                twipRect(2625, 1125, 1365, 390), 3);
    T = addField("T", FieldRole::Input, QStringLiteral("Enter the Material Thickness"), twipRect(4275, 300, 690, 315),
                 1);
    addPicture("Picture1", twipRect(225, 900, 480, 480));
    std::tie(opt_INCH, opt_MILLI) =
        addUnitPair("opt_INCH", twipRect(900, 750, 165, 225), 45, "opt_MILLI", twipRect(900, 1200, 165, 225), 46);

    captionFor(inchCaption, opt_INCH);
    captionFor(milliCaption, opt_MILLI);
    calculateOnReturn(calculate);
    connect(calculate, &QPushButton::clicked, this, &SoundPathPanel::Command1_Click);
    connect(clear, &QPushButton::clicked, this, &SoundPathPanel::Command3_Click);
}

calc::SoundPathFields SoundPathPanel::fields() const
{
    return {calc::text(T), calc::text(ANGLE_BOX), calc::text(A_B), calc::text(A_B_C), opt_INCH->isChecked()};
}

void SoundPathPanel::showFields(const calc::SoundPathFields &f)
{
    calc::setText(T, f.T);
    calc::setText(A_B, f.A_B);
    calc::setText(A_B_C, f.A_B_C);
}

void SoundPathPanel::Command1_Click()
{
    settle(calc::calculateSoundPath(fields(), decimal()),
           [this](const calc::SoundPathFields &out) { showFields(out); });
}

void SoundPathPanel::Command3_Click() { showFields(calc::clearSoundPath(fields())); }
