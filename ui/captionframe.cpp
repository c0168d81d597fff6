// SPDX-License-Identifier: MIT

#include "ui/captionframe.h"

#include "ui/fonts.h"
#include "ui/twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace ui {

CaptionFrame::CaptionFrame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
    , captionFont_(arial(9.75))
{
    captionFont_.setItalic(true);
}

void CaptionFrame::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setFont(captionFont_);
    const QFontMetrics metrics(captionFont_);
    const QRect border = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));
    // Repaints below the caption band, such as an animated picture inside the
    // frame, need not lay the caption out again.
    if (event->rect().top() >= metrics.height())
        return;
    const QRect captionRect(px(120), 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(captionRect, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter, title());
}

} // namespace ui
