// SPDX-License-Identifier: MIT

#pragma once

#include <QStyleOptionTabWidgetFrame>
#include <QWidget>

class QTabBar;

// The strip of tabs that switches the calculator panels: a row of tabs along
// its top and a raised body under them, over which the panels are laid.
class TabStrip : public QWidget {
    Q_OBJECT
public:
    // The strip takes the name given; its tab bar the same name followed by "Tabs".
    TabStrip(const char *name, QWidget *parent);

    QTabBar *tabBar() const { return tabs_; }
    // The index of the selected tab, from 0.
    int selectedIndex() const;
    // Selects the tab step places to the right (left when negative), wrapping round.
    void selectAdjacent(int step);

signals:
    // The user selected another tab, by mouse or keyboard.
    void tabSelected();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What the body under the tabs is drawn from: the style's tab-widget frame.
    QStyleOptionTabWidgetFrame bodyOption() const;

    QTabBar *tabs_;
};
