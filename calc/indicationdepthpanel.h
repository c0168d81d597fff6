// SPDX-License-Identifier: MIT

#pragma once

#include "calc/core/indicationdepth.h"
#include "calc/panel.h"

class QLineEdit;
class QRadioButton;

// The Indication Depth panel: thickness, A-B sound path and the indication's
// sound path in, the indication's depth below the surface out.
class IndicationDepthPanel : public calc::Panel {
    Q_OBJECT
public:
    explicit IndicationDepthPanel(QWidget *parent = nullptr);

public slots:
    void Command4_Click(); // CALCULATE
    void Command6_Click(); // CLEAR

private:
    calc::IndicationDepthFields fields() const;
    // Writes every field text; unchanged fields are left untouched.
    void showFields(const calc::IndicationDepthFields &fields);

    QLineEdit *MAT_T;
    QLineEdit *A_B_SND_PATH;
    QLineEdit *IND_SP;
    QLineEdit *DEPTH;
    QRadioButton *opt_INCH3;
    QRadioButton *Option3;
};
