// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QStringList>

// The text label of the About and Help windows. Its caption is one string in
// which runs of spaces stand where the lines end; the label keeps that string
// as its text but lays the lines out itself, so that the lines beside the
// picture start to the right of it instead of running underneath.
class CaptionLabel : public QLabel {
public:
    struct Line {
        QString text;
        QRect box; // where the text is drawn, in label coordinates
    };

    CaptionLabel(const QString &caption, QWidget *parent);

    // The lines the caption shows, empty lines included.
    static QStringList displayLines(const QString &caption);

    // The area, in label coordinates, where the picture above the label paints.
    void setPictureArea(const QRect &area);
    QRect pictureArea() const { return pictureArea_; }

    // Every displayed line with the box it is drawn in; empty lines have an
    // empty box at the start of their row.
    QList<Line> layoutLines() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Everything the drawn text depends on.
    struct RenderKey {
        QSize size;
        qreal scale = 0;
        QString text;
        QFont font;
        qint64 palette = 0;
        QRect pictureArea;
        bool operator==(const RenderKey &) const = default;
    };

    // Where the text of the row at `row` starts.
    int rowLeft(const QRect &row) const;
    void drawText(QPainter &painter) const;

    QRect pictureArea_;
    QPixmap rendered_;
    RenderKey renderedKey_;
};
