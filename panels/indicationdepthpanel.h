// SPDX-License-Identifier: MIT

#pragma once

#include "panels/panel.h"

// The Indication Depth panel: thickness, A-B sound path and the indication's
// sound path in, the indication's depth below the surface out.
class IndicationDepthPanel : public panels::Panel {
    Q_OBJECT
public:
    explicit IndicationDepthPanel(QWidget *parent = nullptr);
};
