// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>

class QMainWindow;

namespace ui {

// The grey behind the main window's controls.
inline const QColor windowGrey{192, 192, 192};

// The menu bar is part of each window's design, so it stays in the window
// even where the desktop offers a global menu.
void keepMenuBarInWindow(QMainWindow *window);

} // namespace ui
