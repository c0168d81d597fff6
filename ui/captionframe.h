// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QGroupBox>

namespace ui {

// A classic etched frame with its caption, in the design's italic caption
// font, set into the top border. The caption font is the frame's own: the
// controls inside keep the window's font.
class CaptionFrame : public QGroupBox {
public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont captionFont_;
};

} // namespace ui
