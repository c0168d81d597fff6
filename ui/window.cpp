// SPDX-License-Identifier: MIT

#include "ui/window.h"

#include <QMainWindow>
#include <QMenuBar>

namespace ui {

void keepMenuBarInWindow(QMainWindow *window) { window->menuBar()->setNativeMenuBar(false); }

} // namespace ui
