// SPDX-License-Identifier: MIT

#include "ui/prompt.h"

#include <QMessageBox>

namespace ui {

void showPrompt(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace ui
