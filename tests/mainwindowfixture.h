// SPDX-License-Identifier: MIT

#pragma once

#include "info/infowindow.h"
#include "shell/mainwindow.h"
#include "shell/tabstrip.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

#include <memory>

// The main window as the widget tests drive it: shown and active, its prompts
// collected instead of shown unless a test wants the real message box.
struct MainWindowFixture {
    std::unique_ptr<MainWindow> window;
    QStringList prompts;

    void openWindow(bool capturePrompts = true)
    {
        window = std::make_unique<MainWindow>();
        if (capturePrompts)
            window->setPrompter([this](const QString &text) { prompts << text; });
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // The information windows have no owner; closing them first leaves the
    // main window to release them.
    void closeWindow()
    {
        for (InfoWindow *info : infoWindows())
            info->close();
        window.reset();
        prompts.clear();
    }

    static QList<InfoWindow *> infoWindows()
    {
        QList<InfoWindow *> found;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *info = qobject_cast<InfoWindow *>(widget))
                found << info;
        }
        return found;
    }

    template <class T = QLineEdit>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QTabBar *tabs() const { return find<TabStrip>("TabStrip1")->tabBar(); }
    void showTab(int index) const { tabs()->setCurrentIndex(index); }
    void click(const QString &button) const { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }

    QStringList shownFrames() const
    {
        QStringList shown;
        for (const QString name : {"Frame1", "Frame2", "Frame3"}) {
            if (find<QWidget>(name)->isVisible())
                shown << name;
        }
        return shown;
    }

    // Every field and angle box by name, with its text.
    QMap<QString, QString> fieldTexts() const
    {
        QMap<QString, QString> texts;
        for (const QLineEdit *edit : window->findChildren<QLineEdit *>()) {
            const QWidget *owner = qobject_cast<QComboBox *>(edit->parentWidget()) ? edit->parentWidget() : edit;
            texts[owner->objectName()] = edit->text();
        }
        return texts;
    }

    // Types "name=value" into fields and angle boxes; a bare name clicks that
    // unit button.
    void fill(const QString &assignments) const
    {
        for (const QString &pair : assignments.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString name = pair.section(QLatin1Char('='), 0, 0), value = pair.section(QLatin1Char('='), 1);
            if (auto *unit = find<QRadioButton>(name))
                QTest::mouseClick(unit, Qt::LeftButton);
            else if (auto *box = find<QComboBox>(name))
                box->setEditText(value);
            else
                find(name)->setText(value);
        }
    }
};
