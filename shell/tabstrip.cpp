// SPDX-License-Identifier: MIT

#include "shell/tabstrip.h"

#include "core/description.h"
#include "ui/fonts.h"

#include <QPaintEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

TabStrip::TabStrip(const char *name, QWidget *parent)
    : QWidget(parent)
    , tabs_(new QTabBar(this))
{
    setObjectName(QLatin1String(name));
    tabs_->setObjectName(objectName() + QStringLiteral("Tabs"));
    tabs_->setAccessibleName(QStringLiteral("Calculators"));
    tabs_->setFont(ui::tahoma(9.0, false));
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(false);
    tabs_->setFocusPolicy(Qt::StrongFocus);
    for (const core::PanelDescription &panel : core::calculatorPanels())
        tabs_->addTab(QString::fromUtf8(panel.tab.data(), qsizetype(panel.tab.size())));
    tabs_->setGeometry(2, 0, tabs_->sizeHint().width(), tabs_->sizeHint().height());
    setFocusProxy(tabs_);
    // A click on the tab already selected changes nothing, so only a real
    // change of tab notifies the window.
    connect(tabs_, &QTabBar::currentChanged, this, &TabStrip::tabSelected);
}

int TabStrip::selectedIndex() const { return tabs_->currentIndex(); }

void TabStrip::selectAdjacent(int step)
{
    const int count = tabs_->count();
    tabs_->setCurrentIndex(((tabs_->currentIndex() + step) % count + count) % count);
}

QStyleOptionTabWidgetFrame TabStrip::bodyOption() const
{
    QStyleOptionTabWidgetFrame pane;
    pane.initFrom(this);
    pane.shape = tabs_->shape();
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    pane.rect = rect().adjusted(0, tabs_->geometry().bottom() + 1 - overlap, 0, 0);
    pane.tabBarSize = tabs_->size();
    pane.tabBarRect = tabs_->geometry();
    pane.selectedTabRect = tabs_->tabRect(tabs_->currentIndex()).translated(tabs_->pos());
    pane.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    return pane;
}

void TabStrip::paintEvent(QPaintEvent *event)
{
    QStylePainter painter(this);
    const QStyleOptionTabWidgetFrame pane = bodyOption();
    painter.fillRect(pane.rect, palette().button());
    // The style's frame has translucent edges. Drawn whole, the raster engine
    // hands every tall edge to its thread pool, which here costs three times
    // the drawing itself and wakes two threads many times a paint. In bands
    // of 16 rows the batches stay small enough to blend on this thread, even
    // where the panel laid over the body cuts the paint region into pieces;
    // the pixels are the same.
    constexpr int band = 16;
    for (int top = pane.rect.top(); top <= pane.rect.bottom(); top += band) {
        const QRect rows(pane.rect.left(), top, pane.rect.width(), band);
        if (!event->region().intersects(rows))
            continue;
        painter.setClipRect(rows);
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, pane);
    }
}
