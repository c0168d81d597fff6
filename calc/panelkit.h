#pragma once

#include "calc/outcome.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <utility>
#include <variant>
#include <vector>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace ui {

// Layout is designed in twips; 15 twips make one device-independent pixel.
constexpr int px(int twips) { return (twips + 7) / 15; }
inline QRect twipRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

QFont arial(qreal points, bool bold = true);
QFont tahoma(qreal points, bool bold = true);
// The main window's font, for controls that set none of their own.
inline QFont windowFont() { return arial(9.0); }
inline const QColor windowGrey{192, 192, 192};

// Shows a message to the user; replaced in tests so that nothing blocks.
using Prompter = std::function<void(const QString &text)>;
void showPrompt(QWidget *parent, const QString &text);

// The decimal separator of the user's locale, as the calculator core takes it.
char localeDecimal();

// A command button that Return and Enter click too, as Space does.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A label for the 32 x 32 pixel art. On a scaled screen it repeats each
// pixel as a square instead of smoothing the picture into a blur.
class PixelArtLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A classic etched frame with its caption set into the top border.
class CaptionFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A calculator panel: a captioned frame that draws its own inspection sketch
// (lines and outlines beneath its controls), shows the prompt of its
// calculations and tells the window where its controls stand in the tab order.
class Panel : public CaptionFrame {
public:
    Panel(const QString &name, const QString &caption, QWidget *parent);

    void setPrompter(Prompter prompter) { prompter_ = std::move(prompter); }
    void setDecimal(char decimal) { decimal_ = decimal; }
    // Controls that take the focus, each with its place in the window's order.
    const std::vector<std::pair<int, QWidget *>> &focusOrder() const { return focusOrder_; }

protected:
    char decimal() const { return decimal_; }

    // Applies a CALCULATE: all new field texts, or the prompt and no change.
    template <class Fields, class Apply>
    void settle(const calc::Outcome<Fields> &outcome, Apply apply)
    {
        if (const auto *prompt = std::get_if<calc::Prompt>(&outcome))
            prompter_(QString::fromStdString(prompt->text));
        else
            apply(std::get<Fields>(outcome));
    }

    enum class FieldRole { Input, Result };
    QLineEdit *addField(const char *name, FieldRole role, const QString &tooltip, QRect geometry, int tabIndex);
    QComboBox *addAngleBox(const char *name, QRect geometry, int tabIndex);
    CommandButton *addButton(const char *name, const QString &caption, const QString &tooltip,
                             QRect geometry, int tabIndex);
    QLabel *addCaption(const char *name, const QString &text, QRect geometry, const QFont &font,
                       Qt::Alignment alignment);
    QLabel *addLetter(const char *name, const QString &letter, QRect geometry);
    QLabel *addPicture(const char *name, QRect geometry);
    // The button that Return in any field or angle box of the panel presses.
    void calculateOnReturn(QAbstractButton *calculate) { calculate_ = calculate; }
    // The inch and millimetre buttons, inch checked; one tab stop together.
    std::pair<QRadioButton *, QRadioButton *> addUnitPair(const char *inchName, QRect inchGeometry,
                                                          int inchTabIndex, const char *milliName,
                                                          QRect milliGeometry, int milliTabIndex);
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
    Prompter prompter_;
    QAbstractButton *calculate_ = nullptr;
    char decimal_ = '.';
};

std::string text(const QLineEdit *field);
std::string text(const QComboBox *box);
// Replaces a field's text only where it changed, so untouched fields keep
// their undo history, and shows the field from the start of its text unless
// the user is at work in it.
void setText(QLineEdit *field, const std::string &text);

} // namespace ui
