// SPDX-License-Identifier: MIT

#pragma once

#include "core/outcome.h"
#include "ui/captionframe.h"
#include "ui/commandbutton.h"
#include "ui/prompt.h"

#include <QAbstractButton>

#include <string>
#include <utility>
#include <variant>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace panels {

// The text a line edit or an angle box holds.
std::string text(const QWidget *control);
// Replaces a line edit's text only where it changed, so untouched fields keep
// their undo history; a changed field shows the start of its new text. Other
// controls (an angle box) are left as they are.
void showText(QWidget *control, const std::string &text);

// A panel's binding table: the control that shows each of its field texts,
// and the button that chooses inches. The panel reads its fields from these
// and shows in them what a CALCULATE or CLEAR gives back.
template <class Fields>
struct Binding {
    std::vector<std::pair<std::string Fields::*, QWidget *>> controls;
    const QAbstractButton *inch;

    Fields read() const
    {
        Fields fields;
        for (const auto &[member, control] : controls)
            fields.*member = text(control);
        fields.inch = inch->isChecked();
        return fields;
    }
    void show(const Fields &fields) const
    {
        for (const auto &[member, control] : controls)
            showText(control, fields.*member);
    }
};

// A calculator panel: a captioned frame that draws its own inspection sketch
// (lines and outlines beneath its controls), shows the prompt of its
// calculations and tells the window where its controls stand in the tab order.
class Panel : public ui::CaptionFrame {
public:
    Panel(const char *name, const QString &caption, QWidget *parent);

    void setPrompter(ui::Prompter prompter) { prompter_ = std::move(prompter); }
    // Controls that take the focus, each with its place in the window's order.
    const std::vector<std::pair<int, QWidget *>> &focusOrder() const { return focusOrder_; }
    // The field a user types into first: thickness or sound path.
    QLineEdit *firstInput() const { return firstInput_; }

protected:
    // Binds CALCULATE and CLEAR to the panel's fields: each reads the fields
    // from their controls and shows what the core gives back, or its prompt.
    // Return in any field or angle box presses CALCULATE.
    template <class Fields>
    void bindCommands(const Binding<Fields> &binding, QAbstractButton *calculate,
                      core::Outcome<Fields> (*calculateFields)(Fields, char), QAbstractButton *clear,
                      Fields (*clearFields)(Fields))
    {
        calculate_ = calculate;
        connect(calculate, &QAbstractButton::clicked, this, [this, binding, calculateFields] {
            const auto outcome = calculateFields(binding.read(), decimal_);
            if (const auto *prompt = std::get_if<core::Prompt>(&outcome))
                prompter_(QString::fromStdString(prompt->text));
            else
                binding.show(std::get<Fields>(outcome));
            homeFields();
        });
        connect(clear, &QAbstractButton::clicked, this,
                [binding, clearFields] { binding.show(clearFields(binding.read())); });
    }

    enum class FieldRole { Input, Result };
    QLineEdit *addField(const char *name, FieldRole role, const QString &tooltip, QRect geometry, int tabIndex);
    QComboBox *addAngleBox(const char *name, QRect geometry, int tabIndex);
    ui::CommandButton *addButton(const char *name, const QString &caption, const QString &tooltip, QRect geometry,
                                 int tabIndex);
    QLabel *addCaption(const char *name, const QString &text, QRect geometry, const QFont &font,
                       Qt::Alignment alignment);
    QLabel *addLetter(const char *name, const QString &letter, QRect geometry);
    QLabel *addPicture(const char *name, QRect geometry);
    // A caption that names a button: a click on it clicks the button, and a
    // screen reader hears the two together.
    void captionFor(QLabel *caption, QAbstractButton *button);
    // Shows every field from the start of its text, but for the one the user
    // is at work in: a long text scrolled to its end would read as another number.
    void homeFields();
    // The inch and millimetre buttons, inch checked; one tab stop together.
    std::pair<QRadioButton *, QRadioButton *> addUnitPair(const char *inchName, QRect inchGeometry, int inchTabIndex,
                                                          const char *milliName, QRect milliGeometry,
                                                          int milliTabIndex);
    void addLine(QPoint from, QPoint to, const QColor &colour);
    void addOutline(int left, int top, int width, int height);

    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Stroke {
        QLine line;
        QColor colour;
    };
    std::vector<Stroke> strokes_;
    std::vector<QRect> outlines_;
    std::vector<std::pair<int, QWidget *>> focusOrder_;
    std::vector<QLineEdit *> fields_;
    ui::Prompter prompter_;
    QAbstractButton *calculate_ = nullptr;
    QLineEdit *firstInput_ = nullptr;
    ui::ReturnKey returnKey_;
    const char decimal_;
};

} // namespace panels
