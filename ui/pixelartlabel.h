// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

namespace ui {

// A label for the 32 x 32 pixel art of the flaw detector's screen. On a
// scaled screen it repeats each pixel as a square instead of smoothing the
// picture into a blur.
class PixelArtLabel : public QLabel {
public:
    explicit PixelArtLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
