// SPDX-License-Identifier: MIT

#include "shell/mainwindow.h"

#include "core/description.h"
#include "info/infowindow.h"
#include "panels/indicationdepthpanel.h"
#include "panels/soundpathpanel.h"
#include "panels/surfacetravelpanel.h"
#include "shell/locatewindow.h"
#include "shell/tabstrip.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/window.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>

#include <algorithm>

using ui::twipRect;

namespace {
// The controls' names in the window's design, kept as their object names:
// tests and automation find the controls by them.
namespace designName {
constexpr char window[] = "Angulon";
constexpr char tabStrip[] = "TabStrip1";
constexpr char fileMenu[] = "Exit";
constexpr char exitCommand[] = "mnuEditBar0";
constexpr char helpCommand[] = "Help";
constexpr char aboutCommand[] = "About";
constexpr char locateCommand[] = "Locate";
} // namespace designName
} // namespace

MainWindow::MainWindow()
{
    setObjectName(QLatin1String(designName::window));
    setWindowTitle(QStringLiteral("Angulon"));
    // The title bar and the taskbar take the drawing made for their size as
    // it is; the 32 x 32 one shrunk would blur.
    QIcon icon;
    for (const char *const picture : {"frame3_16", "frame3_24", "frame3", "frame3_48"})
        icon.addFile(QStringLiteral(":/pictures/%1.xpm").arg(QLatin1String(picture)));
    setWindowIcon(icon);
    setFont(ui::windowFont());

    createActions();
    createMenus();
    {
        // A line edit lays out its empty text in the application font before
        // it takes its own, which would load a font engine this window never
        // shows; while the controls are made, the application font is the
        // window's. (QGuiApplication's setter leaves per-class fonts alone.)
        const QFont applicationFont = QGuiApplication::font();
        QGuiApplication::setFont(font());
        createWidgets();
        QGuiApplication::setFont(applicationFont);
    }
    createConnections();
    chainTabOrder();

    resize(ui::px(9240), ui::px(3630) + menuBar()->sizeHint().height());
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.center() - rect().center());
    tabStrip_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Styles draw focus frames only once the keyboard has moved the focus,
    // and showing a window forgets that; from the first paint a keyboard
    // user sees which tab the arrow keys move.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void MainWindow::createActions()
{
    exitAction_ = new QAction(QStringLiteral("&Exit"), this);
    exitAction_->setObjectName(QLatin1String(designName::exitCommand));
    helpAction_ = new QAction(QStringLiteral("&Help"), this);
    helpAction_->setObjectName(QLatin1String(designName::helpCommand));
    aboutAction_ = new QAction(QStringLiteral("&About"), this);
    aboutAction_->setObjectName(QLatin1String(designName::aboutCommand));
    const std::string_view locate = core::locatePanel().title;
    locateAction_ = new QAction(QStringLiteral("&") + QString::fromUtf8(locate.data(), qsizetype(locate.size())), this);
    locateAction_->setObjectName(QLatin1String(designName::locateCommand));
    // The keys every tabbed window knows, wherever the focus is in this one.
    nextPanel_ = new QAction(this);
    nextPanel_->setObjectName(QStringLiteral("nextPanel"));
    nextPanel_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    previousPanel_ = new QAction(this);
    previousPanel_->setObjectName(QStringLiteral("previousPanel"));
    previousPanel_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    addActions({nextPanel_, previousPanel_});
}

void MainWindow::createMenus()
{
    ui::keepMenuBarInWindow(this);
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QLatin1String(designName::fileMenu));
    file->addAction(exitAction_);
    // Locate, Help and About are commands on the bar itself, with no drop-down.
    menuBar()->addAction(locateAction_);
    menuBar()->addAction(helpAction_);
    menuBar()->addAction(aboutAction_);
}

void MainWindow::createWidgets()
{
    // The client area keeps its design when the window grows: controls stay
    // where they are and more of the grey background shows.
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, ui::windowGrey);
    client->setPalette(pal);
    client->setMinimumSize(0, 0);
    setCentralWidget(client);

    // The strip lies under the three panels, which are laid over its body,
    // the first panel on top.
    tabStrip_ = new TabStrip(designName::tabStrip, client);
    tabStrip_->setGeometry(twipRect(300, 300, 8715, 3015));
    panels_[2] = new IndicationDepthPanel(client);
    panels_[1] = new SurfaceTravelPanel(client);
    panels_[0] = new SoundPathPanel(client);
    showSelectedPanel();
}

void MainWindow::createConnections()
{
    connect(tabStrip_, &TabStrip::tabSelected, this, &MainWindow::showSelectedPanel);
    connect(exitAction_, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(helpAction_, &QAction::triggered, this, &MainWindow::openHelp);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::openAbout);
    connect(locateAction_, &QAction::triggered, this, &MainWindow::openLocate);
    connect(nextPanel_, &QAction::triggered, this, [this] { showAdjacentPanel(1); });
    connect(previousPanel_, &QAction::triggered, this, [this] { showAdjacentPanel(-1); });
}

void MainWindow::chainTabOrder()
{
    std::vector<std::pair<int, QWidget *>> order{{0, tabStrip_}};
    for (const panels::Panel *panel : panels_)
        order.insert(order.end(), panel->focusOrder().begin(), panel->focusOrder().end());
    std::sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void MainWindow::setPrompter(const ui::Prompter &prompter)
{
    for (panels::Panel *panel : panels_)
        panel->setPrompter(prompter);
    prompter_ = prompter;
    if (locate_)
        locate_->setPrompter(prompter);
}

void MainWindow::showSelectedPanel()
{
    const int selected = tabStrip_->selectedIndex();
    for (int i = 0; i < int(panels_.size()); ++i)
        panels_[i]->setVisible(i == selected);
}

void MainWindow::showAdjacentPanel(int step)
{
    // Whatever had the focus, typing goes on in the panel shown: its first
    // control in the tab order may be a unit button or an angle box, which
    // would lose the digits or take them for an angle. Focused by a
    // shortcut, a line edit selects its text, so the digits replace it.
    tabStrip_->selectAdjacent(step);
    panels_[tabStrip_->selectedIndex()]->firstInput()->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::exitProgram()
{
    QApplication::closeAllWindows();
    QApplication::quit();
}

void MainWindow::openHelp()
{
    if (!help_)
        help_ = std::make_unique<InfoWindow>(InfoWindow::Kind::Help);
    help_->open();
}

void MainWindow::openAbout()
{
    if (!about_)
        about_ = std::make_unique<InfoWindow>(InfoWindow::Kind::About);
    about_->open();
}

void MainWindow::openLocate()
{
    if (!locate_) {
        locate_ = std::make_unique<LocateWindow>();
        if (prompter_)
            locate_->setPrompter(prompter_);
    }
    locate_->open();
}
