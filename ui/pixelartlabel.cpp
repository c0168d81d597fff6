// SPDX-License-Identifier: MIT

#include "ui/pixelartlabel.h"

#include <QPainter>
#include <QStyle>

namespace ui {

PixelArtLabel::PixelArtLabel(QWidget *parent)
    : QLabel(parent)
{
    setAccessibleName(QStringLiteral("Flaw detector screen"));
}

void PixelArtLabel::paintEvent(QPaintEvent *event)
{
    const QPixmap picture = pixmap();
    if (picture.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    // QLabel would resample the picture smoothly for the screen's scale; a
    // painter without smooth pixmap transforms repeats pixels instead.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QSize size = picture.deviceIndependentSize().toSize();
    painter.drawPixmap(QStyle::alignedRect(layoutDirection(), alignment(), size, contentsRect()), picture);
}

} // namespace ui
