// SPDX-License-Identifier: MIT

#pragma once

#include "core/locate.h"

#include <QFrame>

#include <optional>

// The Locate panel's cross-section of the part, to scale: the metal, the
// beam's legs from the index point to the reflector and both points, fitted
// into the frame with its proportions kept; a bare frame while there is
// nothing to draw.
class LocationDrawing : public QFrame {
public:
    explicit LocationDrawing(QWidget *parent = nullptr);

    void setDrawing(std::optional<core::Drawing> drawing);
    const std::optional<core::Drawing> &drawing() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<core::Drawing> drawing_;
};
