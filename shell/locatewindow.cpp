// SPDX-License-Identifier: MIT

#include "shell/locatewindow.h"

#include "core/description.h"
#include "panels/locatepanel.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/window.h"

#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

LocateWindow::LocateWindow()
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    const core::PanelDescription &description = core::locatePanel();
    // Named as the About and Help windows are, for tests and automation.
    setObjectName(QStringLiteral("Locate_1"));
    setWindowTitle(
        QStringLiteral("Angulon - %1").arg(QString::fromUtf8(description.title.data(), description.title.size())));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/frame3.xpm")));
    setFont(ui::windowFont());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ui::windowGrey);
    setPalette(pal);

    panel_ = new LocatePanel(this);
    setFixedSize(ui::px(9240), ui::px(7800));

    auto order = panel_->focusOrder();
    std::sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);

    auto *close = new QAction(this);
    close->setObjectName(QStringLiteral("closeLocate"));
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

void LocateWindow::open()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    // Centred on the screen the first time, where the user left it afterwards.
    if (!testAttribute(Qt::WA_Moved)) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    activateWindow();
    panel_->firstInput()->setFocus(Qt::OtherFocusReason);
}

void LocateWindow::setPrompter(const ui::Prompter &prompter) { panel_->setPrompter(prompter); }
