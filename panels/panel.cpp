// SPDX-License-Identifier: MIT

#include "panels/panel.h"

#include "core/anglefactors.h"
#include "core/description.h"
#include "core/fieldrules.h"

#include "ui/fonts.h"
#include "ui/pixelartlabel.h"
#include "ui/twips.h"
#include "ui/window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace panels {

namespace {
QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
} // namespace

using ui::arial;
using ui::CommandButton;
using ui::PixelArtLabel;
using ui::px;
using ui::showPrompt;
using ui::twipRect;
using ui::windowFont;
using ui::windowGrey;

Panel::Panel(const core::PanelDescription &description, QWidget *parent)
    : CaptionFrame(qs(description.title), parent)
    , description_(description)
    , controls_(description.fields.size())
    , prompter_([this](const QString &text) { showPrompt(window(), QString::fromLatin1(core::prompts::title), text); })
    , decimal_(core::decimalSeparator(QLocale::system().decimalPoint().toStdString()))
{
    setObjectName(qs(description.name));
    setAccessibleName(qs(description.title));
    setAutoFillBackground(true);
    setGeometry(twipRect(525, 900, 8340, 2115));
    // The frame shows the button face.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
}

namespace {

// Fields and angle boxes sit on the tooltip background.
void useInfoBackground(QWidget *widget)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Button, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Text, pal.color(QPalette::ToolTipText));
    widget->setPalette(pal);
}

} // namespace

QWidget *Panel::addField(const core::FieldDescription &field, QRect geometry, int tabIndex)
{
    QWidget *control = nullptr;
    if (field.role == core::Role::Angle) {
        auto *box = new QComboBox(this);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        for (const core::AngleFactors &angle : core::angleTable)
            box->addItem(qs(angle.text));
        box->setCurrentIndex(0);
        box->setAccessibleDescription(qs("Refracted angle of the probe in degrees: " + core::angleChoices()));
        control = box;
    } else {
        auto *edit = new QLineEdit(this);
        // A screen reader user should know which fields CALCULATE writes.
        edit->setAccessibleDescription(field.role == core::Role::Input
                                           ? QStringLiteral("Type a number, then press CALCULATE")
                                           : QStringLiteral("Result of CALCULATE, with three decimals and the unit"));
        fields_.push_back(edit);
        if (field.role == core::Role::Input && !firstInput_)
            firstInput_ = edit;
        control = edit;
    }
    setUpField(control, field, geometry, tabIndex);
    return control;
}

QPlainTextEdit *Panel::addLines(const core::FieldDescription &field, QRect geometry, int tabIndex)
{
    auto *box = new QPlainTextEdit(this);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    box->setAccessibleDescription(QStringLiteral("Result of CALCULATE, a line each"));
    setUpField(box, field, geometry, tabIndex);
    return box;
}

void Panel::setUpField(QWidget *control, const core::FieldDescription &field, QRect geometry, int tabIndex)
{
    control->setObjectName(qs(field.name));
    control->setToolTip(qs(field.tooltip));
    control->setAccessibleName(qs(field.tooltip));
    control->setFont(arial(9.75));
    control->setGeometry(geometry);
    useInfoBackground(control);
    control->installEventFilter(this);
    focusOrder_.emplace_back(tabIndex, control);
    controls_[std::size_t(&field - description_.fields.data())] = control;
}

QLabel *Panel::addFieldCaption(const core::FieldDescription &field, QRect geometry)
{
    QFont font = ui::tahoma(8.25);
    font.setUnderline(field.underlined);
    return addCaption(field.captionName, field.caption, geometry, font, Qt::AlignRight);
}

CommandButton *Panel::addCommand(const core::CommandDescription &command, QRect geometry, int tabIndex)
{
    auto *button = new CommandButton(qs(command.caption), this);
    button->setObjectName(qs(command.name));
    button->setToolTip(qs(command.tooltip));
    button->setAccessibleName(qs(command.caption));
    button->setAccessibleDescription(qs(command.tooltip));
    button->setFont(arial(8.25));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    focusOrder_.emplace_back(tabIndex, button);
    if (&command == &description_.calculate) {
        calculate_ = button;
        connect(button, &QAbstractButton::clicked, this, [this] {
            run(description_.runCalculate);
            homeFields();
        });
    } else {
        connect(button, &QAbstractButton::clicked, this, [this] { run(description_.runClear); });
    }
    return button;
}

QLabel *Panel::addCaption(std::string_view name, std::string_view text, QRect geometry, const QFont &font,
                          Qt::Alignment alignment)
{
    auto *label = new QLabel(qs(text), this);
    label->setObjectName(qs(name));
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

QLabel *Panel::addUnitCaption(const core::UnitButtonDescription &button, QRect geometry)
{
    return addCaption(button.captionName, core::unitCaption(button.unit), geometry, windowFont(), Qt::AlignHCenter);
}

QLabel *Panel::addLetter(const char *name, const char *letter, QRect geometry)
{
    QLabel *label = addCaption(name, letter, geometry, arial(8.25), Qt::AlignHCenter);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, windowGrey);
    label->setPalette(pal);
    return label;
}

QLabel *Panel::addPicture(const char *name, QRect geometry)
{
    auto *picture = new PixelArtLabel(this);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/frame3.xpm")));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setGeometry(geometry);
    return picture;
}

std::pair<QRadioButton *, QRadioButton *> Panel::addUnitPair(QRect inchGeometry, int inchTabIndex, QRect milliGeometry,
                                                             int milliTabIndex)
{
    // The buttons are only as wide as their mark; the labels beside them name
    // the units, so screen readers get the unit as the button's name.
    auto make = [this](const core::UnitButtonDescription &description, QRect geometry) {
        // The label beside it shows the unit; the button's own text lies
        // past its edge, out of sight.
        const QString unit = qs(core::unitCaption(description.unit));
        auto *button = new QRadioButton(unit, this);
        button->setObjectName(qs(description.name));
        button->setAccessibleName(unit);
        const std::string_view suffix = core::unitSuffix(description.unit).substr(1);
        button->setAccessibleDescription(
            QStringLiteral("Results end in %1; the numbers are not converted").arg(qs(suffix)));
        button->setFont(windowFont());
        button->setGeometry(geometry);
        // A click on the caption clicks the button, and a screen reader
        // hears the two together.
        auto *caption = findChild<QLabel *>(qs(description.captionName), Qt::FindDirectChildrenOnly);
        caption->setBuddy(button);
        caption->installEventFilter(this);
        return button;
    };
    QRadioButton *inch = make(description_.inch, inchGeometry);
    QRadioButton *milli = make(description_.millimetre, milliGeometry);
    inch->setChecked(true);
    inch_ = inch;

    // One tab stop for the pair: only the checked button takes Tab focus, and
    // the arrow keys move the choice between them.
    auto follow = [inch, milli] {
        inch->setFocusPolicy(inch->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        milli->setFocusPolicy(milli->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    connect(inch, &QRadioButton::toggled, this, follow);
    follow();
    focusOrder_.emplace_back(inchTabIndex, inch);
    focusOrder_.emplace_back(milliTabIndex, milli);
    return {inch, milli};
}

void Panel::run(core::TextCommand command)
{
    std::vector<std::string> texts;
    for (const QWidget *control : controls_)
        texts.push_back(text(control));
    const core::TextOutcome outcome = command(texts, inch_->isChecked(), decimal_);
    if (const auto *prompt = std::get_if<core::Prompt>(&outcome)) {
        prompter_(QString::fromStdString(prompt->text));
        return;
    }
    const auto &shown = std::get<std::vector<std::string>>(outcome);
    for (std::size_t i = 0; i < controls_.size(); ++i)
        showText(controls_[i], shown[i]);
    textsShown(shown, inch_->isChecked(), decimal_);
}

void Panel::textsShown(std::span<const std::string>, bool, char) {}

void Panel::homeFields()
{
    // The window's focus widget, not hasFocus(): while a prompt is up the
    // field the user typed in has lost the focus only for the moment.
    for (QLineEdit *field : fields_) {
        if (field != window()->focusWidget())
            field->setCursorPosition(0);
    }
}

bool Panel::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving a field shows its start, except for a moment's leave (a context
    // menu, another window) after which the user goes on typing where he was.
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        auto *field = qobject_cast<QLineEdit *>(watched);
        if (field && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            field->setCursorPosition(0);
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *caption = qobject_cast<QLabel *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (caption && mouse->button() == Qt::LeftButton && caption->rect().contains(mouse->position().toPoint())) {
            auto *button = static_cast<QAbstractButton *>(caption->buddy());
            button->click();
            button->setFocus(Qt::MouseFocusReason);
        }
    }
    // Return in a field or an angle box presses CALCULATE. The key is taken
    // here, before an angle box could act on it, so its list never grows; a
    // held key calculates once, as on the button.
    if (calculate_ && returnKey_.press(event, calculate_))
        return true;
    return CaptionFrame::eventFilter(watched, event);
}

void Panel::addLine(QPoint from, QPoint to, const QColor &colour)
{
    strokes_.push_back({QLine(QPoint(px(from.x()), px(from.y())), QPoint(px(to.x()), px(to.y()))), colour});
}

void Panel::addOutline(int left, int top, int width, int height)
{
    outlines_.push_back(twipRect(left, top, width, height));
}

void Panel::paintEvent(QPaintEvent *event)
{
    CaptionFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const QRect &rect : outlines_)
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    for (const Stroke &stroke : strokes_) {
        painter.setPen(stroke.colour);
        painter.drawLine(stroke.line);
    }
}

std::string text(const QWidget *control)
{
    if (const auto *box = qobject_cast<const QComboBox *>(control))
        return box->currentText().toStdString();
    if (const auto *lines = qobject_cast<const QPlainTextEdit *>(control))
        return lines->toPlainText().toStdString();
    return static_cast<const QLineEdit *>(control)->text().toStdString();
}

void showText(QWidget *control, const std::string &text)
{
    auto *field = qobject_cast<QLineEdit *>(control);
    const QString value = QString::fromStdString(text);
    if (auto *lines = qobject_cast<QPlainTextEdit *>(control); lines && lines->toPlainText() != value) {
        lines->setPlainText(value);
        return;
    }
    if (!field || field->text() == value)
        return;
    field->setText(value);
    // A line edit scrolls to keep its cursor in view, and setText leaves the
    // cursor at the end: a result wider than its field would lose its leading
    // digits. With the cursor at the start, it is the unit that is cut.
    field->setCursorPosition(0);
}

} // namespace panels
