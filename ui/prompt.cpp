// SPDX-License-Identifier: MIT

#include "ui/prompt.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>

namespace ui {

namespace {

// Keeps a held key from closing a prompt: the Return that asked for the
// prompt goes on repeating into it, and only a new press should close it.
class RepeatsIgnored : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->isAutoRepeat();
    }
};

} // namespace

void showPrompt(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    RepeatsIgnored repeats;
    box.installEventFilter(&repeats);
    for (QAbstractButton *button : box.buttons())
        button->installEventFilter(&repeats);
    box.exec();
}

} // namespace ui
