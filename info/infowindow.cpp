// SPDX-License-Identifier: MIT

#include "info/infowindow.h"

#include "angulon/version.h"
#include "info/captionlabel.h"
#include "ui/captionframe.h"
#include "ui/commandbutton.h"
#include "ui/fonts.h"
#include "ui/pixelartlabel.h"
#include "ui/twips.h"
#include "ui/window.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace {

// The controls' names in the window's design, kept as their object names:
// tests and automation find the controls by them.
namespace designName {
constexpr char frame[] = "Frame1";
constexpr char text[] = "Label1";
constexpr char picture[] = "Image3";
constexpr char okButton[] = "Command1";
constexpr char animation[] = "Timer1";
constexpr char exitCommand[] = "Exit";
} // namespace designName

// What differs between the two windows; positions and sizes in twips.
struct Design {
    const char *name;
    int clientWidth, clientHeight;
    const char *frameCaption;
    QRect frame, command, picture, label;
};

const Design aboutDesign{
    "About_1",
    7680,
    4245,
    "About Angulon",
    {300, 150, 7065, 3720},
    {2100, 3000, 2940, 540},
    {450, 1275, 480, 420},
    {300, 825, 6465, 1965},
};
const Design helpDesign{
    "Help_1",
    7575,
    7185,
    "Angulon Help",
    {225, 525, 7065, 6270},
    {2025, 5550, 2940, 540},
    {525, 825, 480, 420},
    {300, 450, 6465, 4890},
};

const Design &designOf(InfoWindow::Kind kind) { return kind == InfoWindow::Kind::About ? aboutDesign : helpDesign; }

QRect twips(const QRect &r) { return ui::twipRect(r.left(), r.top(), r.width(), r.height()); }

// A caption is its lines, each preceded by the run of spaces that pads out
// the line before it (or, for the first, the label's empty first line).
struct Segment {
    int spaces;
    QString line;
};

QString build(std::initializer_list<Segment> segments)
{
    QString caption;
    for (const Segment &s : segments)
        caption += QString(s.spaces, QLatin1Char(' ')) + s.line;
    return caption;
}

// A line that opens with the program's name and version, as the texts call it.
QString named(const char *rest) { return QLatin1String(angulon::displayName) + QLatin1Char(' ') + QLatin1String(rest); }

// The text beside the picture.
QString captionText(InfoWindow::Kind kind)
{
    if (kind == InfoWindow::Kind::About) {
        return build({
            {123, named("designed by the Angulon developers in December 2026")},
            {139, "I hope you find this program usefull."},
        });
    }
    return build({
        {121, named("was designed to quickly and easily calculate the")},
        {17, "more complex triginometrey calculations performed in Shear"},
        {21, "Wave or Angle Beam UltraSonic Inspection."},
        {142, "By simply entering the Material Thickness, and Refracted Angle the"},
        {12, "A-B and A-B-C Sound Path can be quickly calculated. Once that is"},
        {14, "determined the user can copy and paste the sound path into the"},
        {16, "Surface Travel Calculator, from that the Surface Travel can easily be"},
        {9, "calculated with a single click of the mouse."},
        {153, "To determine Indication Depth, the Material Thickness, A-B Sound"},
        {13, "Path and Indication Sound Path are entered."},
        {152, named("also gives the user the option of Millimeter or Inch")},
        {13, "display."},
    });
}

} // namespace

InfoWindow::InfoWindow(Kind kind)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                               | Qt::CustomizeWindowHint)
{
    const Design &design = designOf(kind);
    setObjectName(QLatin1String(design.name));
    setWindowTitle(QStringLiteral("Angulon"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/infoicon.xpm")));

    ui::keepMenuBarInWindow(this);
    QAction *exit = menuBar()->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QLatin1String(designName::exitCommand));
    connect(exit, &QAction::triggered, this, &InfoWindow::close);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    const QSize clientArea(ui::px(design.clientWidth), ui::px(design.clientHeight));
    client->setFixedSize(clientArea);
    setFixedSize(clientArea.width(), clientArea.height() + menuBar()->sizeHint().height());

    auto *frame = new ui::CaptionFrame(QLatin1String(design.frameCaption), client);
    frame->setObjectName(QLatin1String(designName::frame));
    frame->setGeometry(twips(design.frame));
    frame->setAutoFillBackground(true);
    QPalette framePalette = frame->palette();
    framePalette.setColor(QPalette::Window,
                          kind == Kind::About ? QColor(224, 224, 224) : framePalette.color(QPalette::ToolTipBase));
    framePalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    frame->setPalette(framePalette);

    // Created bottom first, so the picture lies above the label's left end.
    text_ = new CaptionLabel(captionText(kind), frame);
    text_->setObjectName(QLatin1String(designName::text));
    text_->setFont(ui::tahoma(9.75, false));
    text_->setGeometry(twips(design.label));
    // The caption lays out its lines with runs of spaces; a screen reader
    // gets the lines themselves.
    QStringList spoken = CaptionLabel::displayLines(text_->text());
    spoken.removeAll(QString());
    text_->setAccessibleName(spoken.join(QLatin1Char('\n')));

    picture_ = new ui::PixelArtLabel(frame);
    picture_->setObjectName(QLatin1String(designName::picture));
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture_->setGeometry(twips(design.picture));
    pictureAreaSize_ = picture_->size();

    okButton_ = new ui::CommandButton(QStringLiteral("OK"), frame);
    okButton_->setObjectName(QLatin1String(designName::okButton));
    okButton_->setGeometry(twips(design.command));
    okButton_->setAccessibleDescription(QStringLiteral("Close this window"));
    okButton_->setAutoDefault(false);
    okButton_->setDefault(false);
    connect(okButton_, &QPushButton::clicked, this, &InfoWindow::close);

    for (std::size_t i = 0; i < frames_.size(); ++i)
        frames_[i] = QPixmap(QStringLiteral(":/pictures/frame%1.xpm").arg(i + 1));
    // The text keeps clear of whatever any frame paints, from the first
    // opening on, before a frame is shown. The frames' transparent margins
    // may overlap text, since the label shows through them.
    QRect painted;
    for (const QPixmap &frame : frames_) {
        const QBitmap mask = frame.mask();
        painted |= mask.isNull() ? frame.rect() : QRegion(mask).boundingRect();
    }
    text_->setPictureArea(painted.translated(picture_->pos() - text_->pos()));

    animation_ = new QTimer(this);
    animation_->setObjectName(QLatin1String(designName::animation));
    animation_->setInterval(150);
    connect(animation_, &QTimer::timeout, this, &InfoWindow::showNextFrame);
}

InfoWindow::~InfoWindow() = default;

void InfoWindow::open()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    picture_->clear();
    picture_->resize(pictureAreaSize_);
    centreOnScreen();
    show();
    okButton_->setFocus();
    animation_->start();
}

void InfoWindow::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is only known once the window has been shown; until then the
    // window's own rectangle is centred, which is off by half the decoration.
    QRect outer = frameGeometry();
    outer.moveCenter(screen->availableGeometry().center());
    move(outer.topLeft());
}

void InfoWindow::showNextFrame()
{
    const QPixmap &frame = frames_[frameIndex_];
    picture_->setPixmap(frame);
    picture_->resize(frame.size());
    frameIndex_ = (frameIndex_ + 1) % int(frames_.size());
}

void InfoWindow::closeEvent(QCloseEvent *event)
{
    animation_->stop();
    QMainWindow::closeEvent(event);
}
