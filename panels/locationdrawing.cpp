// SPDX-License-Identifier: MIT

#include "panels/locationdrawing.h"

#include "ui/window.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

LocationDrawing::LocationDrawing(QWidget *parent)
    : QFrame(parent)
{
    // Sunk into the panel as the design's picture boxes are.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAccessibleName(QStringLiteral("Cross-section of the part to scale"));
}

void LocationDrawing::setDrawing(std::optional<core::Drawing> drawing)
{
    drawing_ = std::move(drawing);
    update();
}

void LocationDrawing::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!drawing_ || drawing_->width <= 0.0 || drawing_->height <= 0.0)
        return;
    const core::Drawing &drawing = *drawing_;
    // A margin keeps the points' dots and the outlines' strokes inside the frame.
    const QRectF area = QRectF(contentsRect()).adjusted(8, 8, -8, -8);
    const double scale = std::min(area.width() / drawing.width, area.height() / drawing.height);
    const QPointF origin = area.center() - QPointF(drawing.width * scale / 2.0, drawing.height * scale / 2.0);
    const auto place = [&](core::Drawing::Point p) { return origin + QPointF(p.x * scale, p.y * scale); };

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    // Within an odd number of outlines is metal: a pipe's wall lies between two.
    QPainterPath metal;
    metal.setFillRule(Qt::OddEvenFill);
    for (const auto &outline : drawing.outlines) {
        QPolygonF polygon;
        for (const core::Drawing::Point p : outline)
            polygon << place(p);
        metal.addPolygon(polygon);
        metal.closeSubpath();
    }
    painter.setPen(QPen(ink, 1));
    painter.setBrush(ui::windowGrey);
    painter.drawPath(metal);

    // The legs in black and the indication in red, as the Indication Depth
    // sketch draws them.
    QPolygonF beam;
    for (const core::Drawing::Point p : drawing.beam)
        beam << place(p);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(beam);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(place(drawing.index), 3.0, 3.0);
    painter.setBrush(QColor(255, 0, 0));
    painter.drawEllipse(place(drawing.reflector), 4.0, 4.0);
}
