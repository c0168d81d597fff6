// SPDX-License-Identifier: MIT

#pragma once

#include "ui/prompt.h"

#include <QMainWindow>

#include <memory>

class IndicationDepthPanel;
class InfoWindow;
class SoundPathPanel;
class SurfaceTravelPanel;
class TabStrip;

// The program's one main window: a menu bar, the tab strip and the three
// calculator panels stacked in the same place, one shown at a time.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    // Replaces the modal prompt of every panel (tests use this).
    void setPrompter(const ui::Prompter &prompter);

    InfoWindow *aboutWindow() const { return About_1.get(); }
    InfoWindow *helpWindow() const { return Help_1.get(); }

public slots:
    void TabStrip1_Click();
    void mnuEditBar0_Click(); // File, Exit
    void Help_Click();
    void About_Click();
    // Ctrl+Tab and Ctrl+PgDn, Ctrl+Shift+Tab and Ctrl+PgUp.
    void showAdjacentPanel(int step);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createWidgets();
    void createConnections();
    void chainTabOrder();

    TabStrip *TabStrip1 = nullptr;
    SoundPathPanel *Frame1 = nullptr;
    SurfaceTravelPanel *Frame2 = nullptr;
    IndicationDepthPanel *Frame3 = nullptr;
    QAction *mnuEditBar0 = nullptr;
    QAction *Help = nullptr;
    QAction *About = nullptr;
    QAction *nextPanel_ = nullptr;
    QAction *previousPanel_ = nullptr;
    // Each information window is made on first request and kept for the run.
    std::unique_ptr<InfoWindow> About_1;
    std::unique_ptr<InfoWindow> Help_1;
};
