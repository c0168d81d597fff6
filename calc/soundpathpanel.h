// SPDX-License-Identifier: MIT

#pragma once

#include "calc/core/soundpath.h"
#include "calc/panel.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

// The Sound Path panel: thickness and refracted angle in, the A-B and A-B-C
// sound paths out.
class SoundPathPanel : public calc::Panel {
    Q_OBJECT
public:
    explicit SoundPathPanel(QWidget *parent = nullptr);

public slots:
    void Command1_Click(); // CALCULATE
    void Command3_Click(); // CLEAR

private:
    calc::SoundPathFields fields() const;
    // Writes every field text; unchanged fields are left untouched.
    void showFields(const calc::SoundPathFields &fields);

    QLineEdit *T;
    QComboBox *ANGLE_BOX;
    QLineEdit *A_B;
    QLineEdit *A_B_C;
    QRadioButton *opt_INCH;
    QRadioButton *opt_MILLI;
};
