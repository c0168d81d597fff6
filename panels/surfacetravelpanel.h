// SPDX-License-Identifier: MIT

#pragma once

#include "panels/panel.h"

// The Surface Travel panel: a sound path and refracted angle in, the distance
// along the scanning surface out.
class SurfaceTravelPanel : public panels::Panel {
    Q_OBJECT
public:
    explicit SurfaceTravelPanel(QWidget *parent = nullptr);
};
