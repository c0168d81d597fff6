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
#include <QRadioButton>

namespace panels {

using ui::arial;
using ui::CommandButton;
using ui::PixelArtLabel;
using ui::px;
using ui::showPrompt;
using ui::twipRect;
using ui::windowFont;
using ui::windowGrey;

Panel::Panel(const char *name, const QString &caption, QWidget *parent)
    : CaptionFrame(caption, parent)
    , prompter_([this](const QString &text) { showPrompt(window(), QString::fromLatin1(core::prompts::title), text); })
    , decimal_(core::decimalSeparator(QLocale::system().decimalPoint().toStdString()))
{
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(caption);
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

QLineEdit *Panel::addField(const char *name, FieldRole role, const QString &tooltip, QRect geometry, int tabIndex)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setToolTip(tooltip);
    field->setAccessibleName(tooltip);
    // A screen reader user should know which fields CALCULATE writes.
    field->setAccessibleDescription(role == FieldRole::Input
                                        ? QStringLiteral("Type a number, then press CALCULATE")
                                        : QStringLiteral("Result of CALCULATE, with three decimals and the unit"));
    field->setFont(arial(9.75));
    field->setGeometry(geometry);
    useInfoBackground(field);
    field->installEventFilter(this);
    focusOrder_.emplace_back(tabIndex, field);
    fields_.push_back(field);
    if (role == FieldRole::Input && !firstInput_)
        firstInput_ = field;
    return field;
}

QComboBox *Panel::addAngleBox(const char *name, QRect geometry, int tabIndex)
{
    auto *box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const core::AngleFactors &angle : core::angleTable)
        box->addItem(QString::fromLatin1(angle.text.data(), qsizetype(angle.text.size())));
    box->setCurrentIndex(0);
    const QString tip = QStringLiteral("Choose the Refracted Angle");
    box->setToolTip(tip);
    box->setAccessibleName(tip);
    box->setAccessibleDescription(
        QString::fromStdString("Refracted angle of the probe in degrees: " + core::angleChoices()));
    box->setFont(arial(9.75));
    box->setGeometry(geometry);
    useInfoBackground(box);
    box->installEventFilter(this);
    focusOrder_.emplace_back(tabIndex, box);
    return box;
}

CommandButton *Panel::addButton(const char *name, const QString &caption, const QString &tooltip, QRect geometry,
                                int tabIndex)
{
    auto *button = new CommandButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tooltip);
    button->setAccessibleName(caption);
    button->setAccessibleDescription(tooltip);
    button->setFont(arial(8.25));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    focusOrder_.emplace_back(tabIndex, button);
    return button;
}

QLabel *Panel::addCaption(const char *name, const QString &text, QRect geometry, const QFont &font,
                          Qt::Alignment alignment)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

QLabel *Panel::addLetter(const char *name, const QString &letter, QRect geometry)
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

std::pair<QRadioButton *, QRadioButton *> Panel::addUnitPair(const char *inchName, QRect inchGeometry, int inchTabIndex,
                                                             const char *milliName, QRect milliGeometry,
                                                             int milliTabIndex)
{
    // The buttons are only as wide as their mark; the labels beside them name
    // the units, so screen readers get the unit as the button's name.
    auto make = [this](const char *name, QRect geometry, const QString &unit) {
        // The label beside it shows the unit; the button's own text lies
        // past its edge, out of sight.
        auto *button = new QRadioButton(unit, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleName(unit);
        const std::string_view suffix = core::unitSuffix(core::unitRule(unit == QLatin1String("Inch"))).substr(1);
        button->setAccessibleDescription(QStringLiteral("Results end in %1; the numbers are not converted")
                                             .arg(QLatin1String(suffix.data(), qsizetype(suffix.size()))));
        button->setFont(windowFont());
        button->setGeometry(geometry);
        return button;
    };
    QRadioButton *inch = make(inchName, inchGeometry, QStringLiteral("Inch"));
    QRadioButton *milli = make(milliName, milliGeometry, QStringLiteral("Millimeter"));
    inch->setChecked(true);

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

void Panel::captionFor(QLabel *caption, QAbstractButton *button)
{
    caption->setBuddy(button);
    caption->installEventFilter(this);
}

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
    return static_cast<const QLineEdit *>(control)->text().toStdString();
}

void showText(QWidget *control, const std::string &text)
{
    auto *field = qobject_cast<QLineEdit *>(control);
    const QString value = QString::fromStdString(text);
    if (!field || field->text() == value)
        return;
    field->setText(value);
    // A line edit scrolls to keep its cursor in view, and setText leaves the
    // cursor at the end: a result wider than its field would lose its leading
    // digits. With the cursor at the start, it is the unit that is cut.
    field->setCursorPosition(0);
}

} // namespace panels
