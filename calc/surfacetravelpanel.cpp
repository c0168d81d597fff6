// SPDX-License-Identifier: MIT

#include "calc/surfacetravelpanel.h"

#include "ui/fonts.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using ui::twipRect;

SurfaceTravelPanel::SurfaceTravelPanel(QWidget *parent)
    : Panel(QStringLiteral("Frame2"), QStringLiteral("Surface Travel"), parent)
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
    QLabel *milliCaption = addCaption("Label21", QStringLiteral("Millimeter"), twipRect(1350, 1275, 990, 240),
                                      ui::windowFont(), Qt::AlignHCenter);
    QLabel *inchCaption = addCaption("Label23", QStringLiteral("Inch"), twipRect(1350, 825, 540, 240), ui::windowFont(),
                                     Qt::AlignHCenter);

    ANGLE_BOX_2 = addAngleBox("ANGLE_BOX_2", twipRect(4200, 600, 615, 360), 24);
    SP_TEXT = addField("SP_TEXT", FieldRole::Input, QStringLiteral("Enter the Sound Path"),
                       twipRect(4200, 225, 840, 315), 25);
    auto *calculate = addButton("Command2", QStringLiteral("CALCULATE"), QStringLiteral("Calculate Surface Travel"),
                                twipRect(2700, 1050, 1365, 390), 26);
    SURFACE_TRAVEL = addField("SURFACE_TRAVEL", FieldRole::Result, QStringLiteral("Surface Travel Distance"),
                              twipRect(5325, 1425, 1140, 315), 27);
    auto *clear = addButton("Command5", QStringLiteral("CLEAR"), QStringLiteral("Clear Current Data"),
                            twipRect(2700, 1500, 1365, 390), 28);
    addPicture("Picture2", twipRect(375, 900, 480, 480));
    std::tie(opt_Inch2, Option1) =
        addUnitPair("opt_Inch2", twipRect(1050, 825, 165, 225), 31, "Option1", twipRect(1050, 1275, 165, 225), 30);
    opt_Inch2->raise();

    captionFor(inchCaption, opt_Inch2);
    captionFor(milliCaption, Option1);
    calculateOnReturn(calculate);
    connect(calculate, &QPushButton::clicked, this, &SurfaceTravelPanel::Command2_Click);
    connect(clear, &QPushButton::clicked, this, &SurfaceTravelPanel::Command5_Click);
}

calc::SurfaceTravelFields SurfaceTravelPanel::fields() const
{
    return {calc::text(SP_TEXT), calc::text(ANGLE_BOX_2), calc::text(SURFACE_TRAVEL), opt_Inch2->isChecked()};
}

void SurfaceTravelPanel::showFields(const calc::SurfaceTravelFields &f)
{
    calc::setText(SP_TEXT, f.SP_TEXT);
    calc::setText(SURFACE_TRAVEL, f.SURFACE_TRAVEL);
}

void SurfaceTravelPanel::Command2_Click()
{
    settle(calc::calculateSurfaceTravel(fields(), decimal()),
           [this](const calc::SurfaceTravelFields &out) { showFields(out); });
}

void SurfaceTravelPanel::Command5_Click() { showFields(calc::clearSurfaceTravel(fields())); }
