// SPDX-License-Identifier: MIT

#pragma once

#include "ui/prompt.h"

#include <QWidget>

class LocatePanel;

// The Locate calculator's own window, apart from the main window's tabs.
// One object lives for the whole run; Escape or the close button only hides
// it, keeping what its fields hold for the next opening.
class LocateWindow : public QWidget {
    Q_OBJECT
public:
    LocateWindow();

    // Shows the window with the cursor in its first field, or brings it
    // forward as it is when it is already open.
    void open();
    void setPrompter(const ui::Prompter &prompter);
    LocatePanel *panel() const { return panel_; }

private:
    LocatePanel *panel_ = nullptr;
};
