#pragma once

#include <QGroupBox>

namespace ui {

// A classic etched frame with its caption set into the top border.
class CaptionFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
