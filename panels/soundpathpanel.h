// SPDX-License-Identifier: MIT

#pragma once

#include "panels/panel.h"

// The Sound Path panel: thickness and refracted angle in, the A-B and A-B-C
// sound paths out.
class SoundPathPanel : public panels::Panel {
    Q_OBJECT
public:
    explicit SoundPathPanel(QWidget *parent = nullptr);
};
