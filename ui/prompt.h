// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// Shows a message to the user; replaced in tests so that nothing blocks.
using Prompter = std::function<void(const QString &text)>;
void showPrompt(QWidget *parent, const QString &title, const QString &text);

} // namespace ui
