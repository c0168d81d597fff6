// SPDX-License-Identifier: MIT

#pragma once

#include <QPushButton>

namespace ui {

// Which presses of Return (or Enter) a control acts on: the first of each
// hold. The presses a held key repeats are skipped however the platform flags
// them, and a press after a release that never came is not: under Wine the
// release of the Return that closed a prompt is lost, and the next press
// comes flagged as a repeat.
class ReturnKey {
public:
    // For each event to the control: true when it is a press of Return or
    // Enter, which then clicks the button unless it repeats one.
    bool press(const QEvent *event, QAbstractButton *button);

private:
    bool held_ = false;
};

// A command button that Return and Enter click too, as Space does.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent *event) override;

private:
    ReturnKey returnKey_;
};

} // namespace ui
