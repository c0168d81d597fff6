// SPDX-License-Identifier: MIT

#pragma once

#include "core/surfacetravel.h"
#include "panels/panel.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

// The Surface Travel panel: a sound path and refracted angle in, the distance
// along the scanning surface out.
class SurfaceTravelPanel : public panels::Panel {
    Q_OBJECT
public:
    explicit SurfaceTravelPanel(QWidget *parent = nullptr);

private:
    void calculate();
    void clear();
    core::SurfaceTravelFields fields() const;
    // Writes every field text; unchanged fields are left untouched.
    void showFields(const core::SurfaceTravelFields &fields);

    QLineEdit *soundPath_;
    QComboBox *angle_;
    QLineEdit *surfaceTravel_;
    QRadioButton *inchButton_;
    QRadioButton *millimetreButton_;
};
