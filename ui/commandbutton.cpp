// SPDX-License-Identifier: MIT

#include "ui/commandbutton.h"

#include <QKeyEvent>

#include <utility>

namespace ui {

bool ReturnKey::press(const QEvent *event, QAbstractButton *button)
{
    // The release comes to whichever control has the focus then: once the
    // focus has left (a prompt, another window), it may never come here.
    if (event->type() == QEvent::FocusOut)
        held_ = false;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (event->type() == QEvent::KeyRelease) {
        // X11 sends a held key as releases and presses, each flagged.
        held_ = held_ && key->isAutoRepeat();
        return false;
    }
    // Held before the click: a prompt it shows takes the focus, letting go.
    if (!std::exchange(held_, true))
        button->click();
    return true;
}

bool CommandButton::event(QEvent *event) { return returnKey_.press(event, this) || QPushButton::event(event); }

} // namespace ui
