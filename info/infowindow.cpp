// SPDX-License-Identifier: MIT

#include "info/infowindow.h"

#include "info/captionlabel.h"
#include "ui/captionframe.h"
#include "ui/commandbutton.h"
#include "ui/fonts.h"
#include "ui/pixelartlabel.h"
#include "ui/twips.h"
#include "ui/window.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace {

struct Design {
    const char *name;
    int clientWidth, clientHeight;
    const char *frameCaption;
    QRect frame, command, picture, label; // twips
};

// Both windows share one layout scheme; only these places differ.
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
QString named(const char *rest) { return QStringLiteral("[Angulon 1.03] ") + QLatin1String(rest); }

// A font that takes nothing from its parent: the frame's caption is bold
// italic, and a child font inherits whatever it leaves unset.
QFont ownFont(QFont font)
{
    font.setFamilies(font.families().isEmpty() ? QStringList{font.family()} : font.families());
    font.setPointSizeF(font.pointSizeF());
    font.setWeight(font.weight());
    font.setItalic(font.italic());
    font.setUnderline(font.underline());
    font.setStrikeOut(font.strikeOut());
    return font;
}

} // namespace

QString InfoWindow::captionText(Kind kind)
{
    if (kind == Kind::About) {
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

QSize InfoWindow::clientSize(Kind kind)
{
    const Design &d = designOf(kind);
    return {ui::px(d.clientWidth), ui::px(d.clientHeight)};
}

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
    exit->setObjectName(QStringLiteral("Exit"));
    connect(exit, &QAction::triggered, this, &InfoWindow::Exit_Click);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    const QSize clientArea = clientSize(kind);
    client->setFixedSize(clientArea);
    setFixedSize(clientArea.width(), clientArea.height() + menuBar()->sizeHint().height());

    Frame1 = new ui::CaptionFrame(QLatin1String(design.frameCaption), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(design.frame));
    Frame1->setAutoFillBackground(true);
    QPalette framePalette = Frame1->palette();
    framePalette.setColor(QPalette::Window,
                          kind == Kind::About ? QColor(224, 224, 224) : framePalette.color(QPalette::ToolTipBase));
    framePalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    Frame1->setPalette(framePalette);

    // Created bottom first, so the picture lies above the label's left end.
    Label1 = new CaptionLabel(captionText(kind), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(ownFont(ui::tahoma(9.75, false)));
    Label1->setGeometry(twips(design.label));
    // The caption lays out its lines with runs of spaces; a screen reader
    // gets the lines themselves.
    QStringList spoken = CaptionLabel::displayLines(Label1->text());
    spoken.removeAll(QString());
    Label1->setAccessibleName(spoken.join(QLatin1Char('\n')));

    Image3 = new ui::PixelArtLabel(Frame1);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image3->setGeometry(twips(design.picture));
    pictureAreaDesign = Image3->size();

    auto *ok = new ui::CommandButton(QStringLiteral("OK"), Frame1);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setFont(ownFont(font()));
    ok->setGeometry(twips(design.command));
    ok->setAccessibleDescription(QStringLiteral("Close this window"));
    ok->setAutoDefault(false);
    ok->setDefault(false);
    connect(ok, &QPushButton::clicked, this, &InfoWindow::Command1_Click);
    Command1 = ok;

    for (int i = 0; i < int(frames.size()); ++i)
        frames[i] = QPixmap(QStringLiteral(":/pictures/frame%1.xpm").arg(i + 1));
    // The text keeps clear of whatever any frame paints, from the first
    // opening on, before a frame is shown. The frames' transparent margins
    // may overlap text, since the label shows through them.
    QRect painted;
    for (const QPixmap &frame : frames) {
        const QBitmap mask = frame.mask();
        painted |= mask.isNull() ? frame.rect() : QRegion(mask).boundingRect();
    }
    Label1->setPictureArea(painted.translated(Image3->pos() - Label1->pos()));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(150);
    connect(Timer1, &QTimer::timeout, this, &InfoWindow::Timer1_Timer);
}

InfoWindow::~InfoWindow() = default;

void InfoWindow::open()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    Image3->clear();
    Image3->resize(pictureAreaDesign);
    centreOnScreen();
    show();
    Command1->setFocus();
    Timer1->start();
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

void InfoWindow::Timer1_Timer()
{
    // Positions 0..5 are the first six holders; every other value plays the
    // seventh, as a counter that was never reset still must show something.
    const int holder = FrameIndex >= 0 && FrameIndex <= 5 ? FrameIndex : 6;
    const QPixmap &picture = frames[holder];
    Image3->setPixmap(picture);
    Image3->resize(picture.size());

    const int next = int(FrameIndex) + 1;
    FrameIndex = next > 6 ? qint16(0) : qint16(next);
}

void InfoWindow::Command1_Click() { close(); }

void InfoWindow::Exit_Click() { close(); }

void InfoWindow::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    QMainWindow::closeEvent(event);
}
