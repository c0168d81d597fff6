// SPDX-License-Identifier: MIT

#pragma once

#include <QGroupBox>

namespace ui {

// A classic etched frame with its caption, in the design's italic caption
// font, set into the top border.
class CaptionFrame : public QGroupBox {
public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
