#include "shell/tabstrip.h"

#include "calc/panelkit.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

TabStrip::TabStrip(QWidget *parent)
    : QWidget(parent)
    , tabs_(new QTabBar(this))
{
    setObjectName(QStringLiteral("TabStrip1"));
    tabs_->setObjectName(QStringLiteral("TabStrip1Tabs"));
    tabs_->setAccessibleName(QStringLiteral("Calculators"));
    tabs_->setFont(ui::tahoma(9.0, false));
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(false);
    tabs_->setFocusPolicy(Qt::StrongFocus);
    tabs_->addTab(QStringLiteral(" Sound path "));
    tabs_->addTab(QStringLiteral(" Surface Travel "));
    tabs_->addTab(QStringLiteral("Indication Depth"));
    tabs_->setGeometry(2, 0, tabs_->sizeHint().width(), tabs_->sizeHint().height());
    setFocusProxy(tabs_);
    // A click on the tab already selected changes nothing, so only a real
    // change of tab notifies the window.
    connect(tabs_, &QTabBar::currentChanged, this, &TabStrip::tabSelected);
}

int TabStrip::selectedIndex() const { return tabs_->currentIndex() + 1; }

void TabStrip::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame pane;
    pane.initFrom(this);
    pane.shape = tabs_->shape();
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    pane.rect = rect().adjusted(0, tabs_->geometry().bottom() + 1 - overlap, 0, 0);
    pane.tabBarSize = tabs_->size();
    pane.tabBarRect = tabs_->geometry();
    pane.selectedTabRect = tabs_->tabRect(tabs_->currentIndex()).translated(tabs_->pos());
    pane.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    painter.fillRect(pane.rect, palette().button());
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, pane);
}
