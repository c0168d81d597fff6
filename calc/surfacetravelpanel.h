// SPDX-License-Identifier: MIT

#pragma once

#include "calc/core/surfacetravel.h"
#include "calc/panel.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

// The Surface Travel panel: a sound path and refracted angle in, the distance
// along the scanning surface out.
class SurfaceTravelPanel : public calc::Panel {
    Q_OBJECT
public:
    explicit SurfaceTravelPanel(QWidget *parent = nullptr);

public slots:
    void Command2_Click(); // CALCULATE
    void Command5_Click(); // CLEAR

private:
    calc::SurfaceTravelFields fields() const;
    // Writes every field text; unchanged fields are left untouched.
    void showFields(const calc::SurfaceTravelFields &fields);

    QLineEdit *SP_TEXT;
    QComboBox *ANGLE_BOX_2;
    QLineEdit *SURFACE_TRAVEL;
    QRadioButton *opt_Inch2;
    QRadioButton *Option1;
};
