// SPDX-License-Identifier: MIT

#include "info/captionlabel.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

namespace {

// Words are separated by single spaces; anything longer pads a line out.
constexpr qsizetype lineEndRun = 2;
// A run this long padded a whole further line with spaces.
constexpr qsizetype emptyLineRun = 100;
constexpr int textInset = 2;
constexpr int pictureGap = 6;

} // namespace

CaptionLabel::CaptionLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QStringList CaptionLabel::displayLines(const QString &caption)
{
    QStringList lines;
    QString current;
    qsizetype i = 0;
    const qsizetype n = caption.size();
    while (i < n) {
        if (caption.at(i) != QLatin1Char(' ')) {
            current += caption.at(i++);
            continue;
        }
        qsizetype run = 0;
        while (i + run < n && caption.at(i + run) == QLatin1Char(' '))
            ++run;
        const bool leading = lines.isEmpty() && current.isEmpty();
        const bool trailing = i + run == n;
        i += run;
        if (leading) {
            // The opening padding fills the first line, whatever its length.
            lines << QString();
        } else if (trailing) {
            // Padding after the last word ends the text, not a line.
        } else if (run < lineEndRun) {
            current += QLatin1Char(' ');
        } else {
            lines << current;
            current.clear();
            if (run >= emptyLineRun)
                lines << QString();
        }
    }
    if (!current.isEmpty())
        lines << current;
    return lines;
}

void CaptionLabel::setPictureArea(const QRect &area)
{
    pictureArea_ = area;
    update();
}

QList<CaptionLabel::Line> CaptionLabel::layoutLines() const
{
    const QFontMetrics metrics(font());
    const int rowHeight = metrics.lineSpacing();
    QList<Line> placed;
    int top = 0;
    for (const QString &text : displayLines(this->text())) {
        const QRect row(0, top, width(), rowHeight);
        placed.append(
            {text, QRect(rowLeft(row), top, text.isEmpty() ? 0 : metrics.horizontalAdvance(text), rowHeight)});
        top += rowHeight;
    }
    return placed;
}

int CaptionLabel::rowLeft(const QRect &row) const
{
    // Glyphs under the picture would be hidden, so a row that shares any
    // height with it starts past its right edge.
    const bool besidePicture =
        pictureArea_.isValid() && row.top() <= pictureArea_.bottom() && row.bottom() >= pictureArea_.top();
    return besidePicture ? pictureArea_.right() + 1 + pictureGap : textInset;
}

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    // The picture beside the text repaints a small square several times a
    // second; laying out and drawing every line for it would cost more than
    // the rest of the window's work, so the text is drawn once into a pixmap
    // and each repaint copies the exposed part of it.
    const qreal scale = devicePixelRatioF();
    const RenderKey key{size(), scale, text(), font(), palette().cacheKey(), pictureArea_};
    if (rendered_.isNull() || !(renderedKey_ == key)) {
        rendered_ = QPixmap(size() * scale);
        rendered_.setDevicePixelRatio(scale);
        QPainter painter(&rendered_);
        drawText(painter);
        renderedKey_ = key;
    }
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.drawPixmap(exposed, rendered_, QRectF(exposed.topLeft() * scale, exposed.size() * scale));
}

void CaptionLabel::drawText(QPainter &painter) const
{
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(font());
    const int ascent = QFontMetrics(font()).ascent();
    for (const Line &line : layoutLines()) {
        if (!line.text.isEmpty())
            painter.drawText(line.box.left(), line.box.top() + ascent, line.text);
    }
}
