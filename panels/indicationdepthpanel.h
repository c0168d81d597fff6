// SPDX-License-Identifier: MIT

#pragma once

#include "core/indicationdepth.h"
#include "panels/panel.h"

class QLineEdit;
class QRadioButton;

// The Indication Depth panel: thickness, A-B sound path and the indication's
// sound path in, the indication's depth below the surface out.
class IndicationDepthPanel : public panels::Panel {
    Q_OBJECT
public:
    explicit IndicationDepthPanel(QWidget *parent = nullptr);

private:
    void calculate();
    void clear();
    core::IndicationDepthFields fields() const;
    // Writes every field text; unchanged fields are left untouched.
    void showFields(const core::IndicationDepthFields &fields);

    QLineEdit *thickness_;
    QLineEdit *abSoundPath_;
    QLineEdit *indicationSoundPath_;
    QLineEdit *depth_;
    QRadioButton *inchButton_;
    QRadioButton *millimetreButton_;
};
