// SPDX-License-Identifier: MIT

#pragma once

#include "panels/panel.h"

class LocationDrawing;

// The Locate panel: a pipe's outside diameter (none for a plate), its wall,
// the probe's measured angle and an indication's sound path in; the leg, the
// depth, the surface distance and the beam's setup out, and the part's
// cross-section drawn to scale after each command.
class LocatePanel : public panels::Panel {
    Q_OBJECT
public:
    explicit LocatePanel(QWidget *parent = nullptr);

    LocationDrawing *drawing() const { return drawing_; }

protected:
    void textsShown(std::span<const std::string> texts, bool inch, char decimal) override;

private:
    LocationDrawing *drawing_ = nullptr;
};
