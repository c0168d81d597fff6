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
    enum class Press { None, Act, Skip };
    // What an event to the control means: a press of Return or Enter to act
    // on or to skip, or nothing of the kind.
    Press take(const QEvent *event);

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
