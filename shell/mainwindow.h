// SPDX-License-Identifier: MIT

#pragma once

#include "ui/prompt.h"

#include <QMainWindow>

#include <array>
#include <memory>

class InfoWindow;
class LocateWindow;
class TabStrip;

namespace panels {
class Panel;
}

// The program's one main window: a menu bar, the tab strip and the three
// calculator panels stacked in the same place, one shown at a time. Its
// menu bar opens the Locate, Help and About windows.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    // Replaces the modal prompt of every panel, the Locate window's too (tests use this).
    void setPrompter(const ui::Prompter &prompter);

    InfoWindow *aboutWindow() const { return about_.get(); }
    InfoWindow *helpWindow() const { return help_.get(); }
    LocateWindow *locateWindow() const { return locate_.get(); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createWidgets();
    void createConnections();
    void chainTabOrder();

    // Shows the panel of the selected tab and hides the others.
    void showSelectedPanel();
    // Ctrl+Tab and Ctrl+PgDn, Ctrl+Shift+Tab and Ctrl+PgUp.
    void showAdjacentPanel(int step);
    // File, Exit: closes every window and ends the program.
    void exitProgram();
    void openHelp();
    void openAbout();
    void openLocate();

    TabStrip *tabStrip_ = nullptr;
    // Sound Path, Surface Travel and Indication Depth, in the order of their tabs.
    std::array<panels::Panel *, 3> panels_{};
    QAction *exitAction_ = nullptr;
    QAction *helpAction_ = nullptr;
    QAction *aboutAction_ = nullptr;
    QAction *locateAction_ = nullptr;
    QAction *nextPanel_ = nullptr;
    QAction *previousPanel_ = nullptr;
    // Each information window is made on first request and kept for the run.
    std::unique_ptr<InfoWindow> about_;
    std::unique_ptr<InfoWindow> help_;
    std::unique_ptr<LocateWindow> locate_;
    ui::Prompter prompter_; // the panels' own when empty
};
