// SPDX-License-Identifier: MIT

#pragma once

#include "core/description.h"
#include "ui/captionframe.h"
#include "ui/commandbutton.h"
#include "ui/prompt.h"

#include <QAbstractButton>

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace panels {

// The text a line edit, a box of lines or an angle box holds.
std::string text(const QWidget *control);
// Replaces a line edit's or a box of lines' text only where it changed, so
// untouched fields keep their undo history; a changed field shows the start
// of its new text. Other controls (an angle box) are left as they are.
void showText(QWidget *control, const std::string &text);

// A calculator panel: a captioned frame that draws its own inspection sketch
// (lines and outlines beneath its controls), shows the prompt of its
// calculations and tells the window where its controls stand in the tab order.
class Panel : public ui::CaptionFrame {
public:
    Panel(const core::PanelDescription &description, QWidget *parent);

    void setPrompter(ui::Prompter prompter) { prompter_ = std::move(prompter); }
    // Controls that take the focus, each with its place in the window's order.
    const std::vector<std::pair<int, QWidget *>> &focusOrder() const { return focusOrder_; }
    // The field a user types into first: thickness or sound path.
    QLineEdit *firstInput() const { return firstInput_; }

protected:
    // The controls of the description's fields, buttons and units, each
    // where the panel's layout puts it. A field is a line edit, the angle an
    // editable list; CALCULATE and CLEAR run the description's commands on
    // the fields' texts, and Return in a field presses CALCULATE. A unit
    // caption names the unit button made after it.
    QWidget *addField(const core::FieldDescription &field, QRect geometry, int tabIndex);
    // A result of several lines: a read-only box in place of a line edit.
    QPlainTextEdit *addLines(const core::FieldDescription &field, QRect geometry, int tabIndex);
    QLabel *addFieldCaption(const core::FieldDescription &field, QRect geometry);
    ui::CommandButton *addCommand(const core::CommandDescription &command, QRect geometry, int tabIndex);
    QLabel *addUnitCaption(const core::UnitButtonDescription &button, QRect geometry);
    // The inch and millimetre buttons, inch checked; one tab stop together.
    std::pair<QRadioButton *, QRadioButton *> addUnitPair(QRect inchGeometry, int inchTabIndex, QRect milliGeometry,
                                                          int milliTabIndex);
    QLabel *addLetter(const char *name, const char *letter, QRect geometry);
    QLabel *addPicture(const char *name, QRect geometry);
    void addLine(QPoint from, QPoint to, const QColor &colour);
    void addOutline(int left, int top, int width, int height);

    // After a command, the fields' texts it gave, as it was given the unit
    // and the decimal separator; not after a prompt, which changes nothing.
    virtual void textsShown(std::span<const std::string> texts, bool inch, char decimal);

    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Names a field's control, puts it in place and in the window's order.
    void setUpField(QWidget *control, const core::FieldDescription &field, QRect geometry, int tabIndex);
    QLabel *addCaption(std::string_view name, std::string_view text, QRect geometry, const QFont &font,
                       Qt::Alignment alignment);
    // Runs a command on the fields' texts and shows what it gives back, or its prompt.
    void run(core::TextCommand command);
    // Shows every field from the start of its text, but for the one the user
    // is at work in: a long text scrolled to its end would read as another number.
    void homeFields();

    struct Stroke {
        QLine line;
        QColor colour;
    };
    const core::PanelDescription &description_;
    std::vector<Stroke> strokes_;
    std::vector<QRect> outlines_;
    std::vector<std::pair<int, QWidget *>> focusOrder_;
    std::vector<QWidget *> controls_; // each field's, in the description's order
    std::vector<QLineEdit *> fields_;
    ui::Prompter prompter_;
    QAbstractButton *calculate_ = nullptr;
    QAbstractButton *inch_ = nullptr;
    QLineEdit *firstInput_ = nullptr;
    ui::ReturnKey returnKey_;
    const char decimal_;
};

} // namespace panels
