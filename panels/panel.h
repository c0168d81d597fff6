// SPDX-License-Identifier: MIT

#pragma once

#include "core/outcome.h"
#include "ui/captionframe.h"
#include "ui/commandbutton.h"
#include "ui/prompt.h"

#include <utility>
#include <variant>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace panels {

// A calculator panel: a captioned frame that draws its own inspection sketch
// (lines and outlines beneath its controls), shows the prompt of its
// calculations and tells the window where its controls stand in the tab order.
class Panel : public ui::CaptionFrame {
public:
    Panel(const char *name, const QString &caption, QWidget *parent);

    void setPrompter(ui::Prompter prompter) { prompter_ = std::move(prompter); }
    // Controls that take the focus, each with its place in the window's order.
    const std::vector<std::pair<int, QWidget *>> &focusOrder() const { return focusOrder_; }

protected:
    char decimal() const { return decimal_; }

    // Applies a CALCULATE: all new field texts, or the prompt and no change.
    template <class Fields, class Apply>
    void settle(const core::Outcome<Fields> &outcome, Apply apply)
    {
        if (const auto *prompt = std::get_if<core::Prompt>(&outcome))
            prompter_(QString::fromStdString(prompt->text));
        else
            apply(std::get<Fields>(outcome));
        homeFields();
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
    // The button that Return in any field or angle box of the panel presses.
    void calculateOnReturn(QAbstractButton *calculate) { calculate_ = calculate; }
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
    const char decimal_;
};

std::string text(const QLineEdit *field);
std::string text(const QComboBox *box);
// Replaces a field's text only where it changed, so untouched fields keep
// their undo history; a changed field shows the start of its new text.
void setText(QLineEdit *field, const std::string &text);

} // namespace panels
