#pragma once

#include <QLabel>

namespace ui {

// A label for the 32 x 32 pixel art. On a scaled screen it repeats each
// pixel as a square instead of smoothing the picture into a blur.
class PixelArtLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
