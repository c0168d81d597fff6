// SPDX-License-Identifier: MIT

#include "shell/mainwindow.h"

#include "calc/indicationdepthpanel.h"
#include "calc/soundpathpanel.h"
#include "calc/surfacetravelpanel.h"
#include "info/infowindow.h"
#include "shell/tabstrip.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/window.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>

#include <algorithm>

using ui::twipRect;

MainWindow::MainWindow()
{
    setObjectName(QStringLiteral("Angulon"));
    setWindowTitle(QStringLiteral("Angulon"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/frame3.xpm")));
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
    TabStrip1->setFocus();
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
    mnuEditBar0 = new QAction(QStringLiteral("&Exit"), this);
    mnuEditBar0->setObjectName(QStringLiteral("mnuEditBar0"));
    Help = new QAction(QStringLiteral("&Help"), this);
    Help->setObjectName(QStringLiteral("Help"));
    About = new QAction(QStringLiteral("&About"), this);
    About->setObjectName(QStringLiteral("About"));
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
    file->setObjectName(QStringLiteral("Exit"));
    file->addAction(mnuEditBar0);
    // Help and About are commands on the bar itself, with no drop-down.
    menuBar()->addAction(Help);
    menuBar()->addAction(About);
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

    // The strip lies under the three panels, which are laid over its body.
    TabStrip1 = new TabStrip(client);
    TabStrip1->setGeometry(twipRect(300, 300, 8715, 3015));
    Frame3 = new IndicationDepthPanel(client);
    Frame2 = new SurfaceTravelPanel(client);
    Frame1 = new SoundPathPanel(client);
    Frame2->hide();
    Frame3->hide();
}

void MainWindow::createConnections()
{
    connect(TabStrip1, &TabStrip::tabSelected, this, &MainWindow::TabStrip1_Click);
    connect(mnuEditBar0, &QAction::triggered, this, &MainWindow::mnuEditBar0_Click);
    connect(Help, &QAction::triggered, this, &MainWindow::Help_Click);
    connect(About, &QAction::triggered, this, &MainWindow::About_Click);
    connect(nextPanel_, &QAction::triggered, this, [this] { showAdjacentPanel(1); });
    connect(previousPanel_, &QAction::triggered, this, [this] { showAdjacentPanel(-1); });
}

void MainWindow::chainTabOrder()
{
    std::vector<std::pair<int, QWidget *>> order{{0, TabStrip1}};
    for (const calc::Panel *panel :
         {static_cast<calc::Panel *>(Frame1), static_cast<calc::Panel *>(Frame2), static_cast<calc::Panel *>(Frame3)})
        order.insert(order.end(), panel->focusOrder().begin(), panel->focusOrder().end());
    std::sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void MainWindow::setPrompter(const ui::Prompter &prompter)
{
    Frame1->setPrompter(prompter);
    Frame2->setPrompter(prompter);
    Frame3->setPrompter(prompter);
}

void MainWindow::TabStrip1_Click()
{
    const int index = TabStrip1->selectedIndex();
    Frame1->setVisible(index == 1);
    Frame2->setVisible(index == 2);
    Frame3->setVisible(index == 3);
}

void MainWindow::showAdjacentPanel(int step)
{
    // As in a tab widget: a user at work in a panel goes on in the next one,
    // at its first control in the tab order; one on the strip stays there.
    QWidget *focus = focusWidget();
    const bool inPanel = focus && focus != TabStrip1->tabBar() && centralWidget()->isAncestorOf(focus);
    TabStrip1->selectAdjacent(step);
    if (inPanel) {
        TabStrip1->setFocus(Qt::TabFocusReason);
        focusNextChild();
    }
}

void MainWindow::mnuEditBar0_Click()
{
    QApplication::closeAllWindows();
    QApplication::quit();
}

void MainWindow::Help_Click()
{
    if (!Help_1)
        Help_1 = std::make_unique<InfoWindow>(InfoWindow::Kind::Help);
    Help_1->open();
}

void MainWindow::About_Click()
{
    if (!About_1)
        About_1 = std::make_unique<InfoWindow>(InfoWindow::Kind::About);
    About_1->open();
}
