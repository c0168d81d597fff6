// SPDX-License-Identifier: MIT

#include "ui/commandbutton.h"

#include <QKeyEvent>

namespace ui {

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace ui
