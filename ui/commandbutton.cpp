// SPDX-License-Identifier: MIT

#include "ui/commandbutton.h"

#include <QKeyEvent>

namespace ui {

ReturnKey::Press ReturnKey::take(const QEvent *event)
{
    // The release comes to whichever control has the focus then: once the
    // focus has left (a prompt, another window), it may never come here.
    if (event->type() == QEvent::FocusOut)
        held_ = false;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return Press::None;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return Press::None;
    if (event->type() == QEvent::KeyRelease) {
        // X11 sends a held key as releases and presses, each flagged.
        held_ = held_ && key->isAutoRepeat();
        return Press::None;
    }
    if (held_)
        return Press::Skip;
    held_ = true;
    return Press::Act;
}

bool CommandButton::event(QEvent *event)
{
    switch (returnKey_.take(event)) {
    case ReturnKey::Press::Act: click(); return true;
    case ReturnKey::Press::Skip: return true;
    case ReturnKey::Press::None: break;
    }
    return QPushButton::event(event);
}

} // namespace ui
