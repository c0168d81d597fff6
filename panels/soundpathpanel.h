// SPDX-License-Identifier: MIT

#pragma once

#include "core/soundpath.h"
#include "panels/panel.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

// The Sound Path panel: thickness and refracted angle in, the A-B and A-B-C
// sound paths out.
class SoundPathPanel : public panels::Panel {
    Q_OBJECT
public:
    explicit SoundPathPanel(QWidget *parent = nullptr);

private:
    void calculate();
    void clear();
    core::SoundPathFields fields() const;
    // Writes every field text; unchanged fields are left untouched.
    void showFields(const core::SoundPathFields &fields);

    QLineEdit *thickness_;
    QComboBox *angle_;
    QLineEdit *abSoundPath_;
    QLineEdit *abcSoundPath_;
    QRadioButton *inchButton_;
    QRadioButton *millimetreButton_;
};
