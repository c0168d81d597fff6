// SPDX-License-Identifier: MIT

#pragma once

#include <QPushButton>

namespace ui {

// A command button that Return and Enter click too, as Space does.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace ui
