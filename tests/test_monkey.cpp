#include "info/infowindow.h"
#include "shell/mainwindow.h"
#include "shell/tabstrip.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QtTest>

#include <cstdint>
#include <memory>
#include <random>

// A seeded monkey on the main window: thousands of random user actions, each
// followed by a check that the window is still whole. A failure names the
// seed and the action, so it can be replayed with ANGULON_MONKEY_SEED and
// ANGULON_MONKEY_ACTIONS.
class MonkeyTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;
    std::mt19937_64 random;
    QStringList prompts;
    QString lastAction;
    int calculated = 0;

    std::uint64_t below(std::uint64_t n) { return random() % n; }
    template <class T> T *pick(const QList<T *> &list) { return list.isEmpty() ? nullptr : list.at(int(below(list.size()))); }

    QGroupBox *frame(int n) const { return window->findChild<QGroupBox *>(QStringLiteral("Frame%1").arg(n)); }
    TabStrip *strip() const { return window->findChild<TabStrip *>("TabStrip1"); }
    QList<InfoWindow *> infoWindows() const
    {
        QList<InfoWindow *> found;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *info = qobject_cast<InfoWindow *>(w))
                found << info;
        }
        return found;
    }

    template <class T> QList<T *> visible() const
    {
        QList<T *> shown;
        for (T *w : window->findChildren<T *>()) {
            if (w->isVisible() && w->isEnabled())
                shown << w;
        }
        return shown;
    }

    // Every measurement field and angle box, by name, with its text.
    QMap<QString, QString> fieldTexts() const
    {
        QMap<QString, QString> texts;
        for (const QLineEdit *edit : window->findChildren<QLineEdit *>()) {
            const QWidget *owner = qobject_cast<QComboBox *>(edit->parentWidget()) ? edit->parentWidget() : edit;
            texts[owner->objectName()] = edit->text();
        }
        return texts;
    }

    QString randomText(int maxLength)
    {
        static const QString alphabets[] = {
            QStringLiteral("0123456789"),
            QStringLiteral("0123456789.,eE+- "),
            QStringLiteral(" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~"),
            QStringLiteral("äöüßÄ€µ°½²³¹٫٠١٢٣٤٥٦٧٨٩０１２３４５６７８９一二三\u00a0\u2009\u202e\u200b\u0301\ufeff"),
        };
        const QString &alphabet = alphabets[below(std::size(alphabets))];
        QString text;
        const int length = int(below(maxLength + 1));
        for (int i = 0; i < length; ++i) {
            // Now and then a character from anywhere in the basic plane or
            // beyond it, outside the surrogate range.
            if (below(20) == 0) {
                char32_t code = char32_t(below(0x10ffff));
                if (code >= 0xd800 && code <= 0xdfff)
                    code = 0x1f600;
                text += QString::fromUcs4(&code, 1);
            } else {
                text += alphabet.at(int(below(alphabet.size())));
            }
        }
        return text;
    }

    // Something a calculation can read: an angle of the list, or a decimal
    // number with either separator and perhaps an exponent.
    QString numberText()
    {
        static const char *const angles[] = {"70", "60", "45", " 7E1 ", "60.0", "45,0"};
        if (below(4) == 0)
            return QLatin1String(angles[below(std::size(angles))]);
        QString text = below(4) == 0 ? QStringLiteral("-") : QString();
        text += QString::number(below(100000));
        if (below(2))
            text += QLatin1Char(below(2) ? '.' : ',') + QString::number(below(1000));
        if (below(5) == 0)
            text += QStringLiteral("E%1").arg(int(below(700)) - 350);
        return text;
    }

    QLineEdit *visibleEdit()
    {
        QList<QLineEdit *> edits = visible<QLineEdit>();
        return pick(edits);
    }

    void typeInto(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        // Half the time the new text replaces the old, as after a double click.
        if (below(2))
            edit->selectAll();
        if (below(2) == 0) {
            // Key by key, as a keyboard delivers it.
            for (const QChar c : text) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(edit, &press);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(edit, &release);
            }
        } else {
            // All at once, as an input method commits it.
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(edit, &commit);
        }
    }

    void editKey(QLineEdit *edit)
    {
        static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier}, {Qt::Key_Home, Qt::NoModifier},
            {Qt::Key_End, Qt::ShiftModifier},    {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_Y, Qt::ControlModifier},    {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
            {Qt::Key_V, Qt::ControlModifier},    {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_Up, Qt::NoModifier},        {Qt::Key_Down, Qt::NoModifier},   {Qt::Key_Tab, Qt::NoModifier},
            {Qt::Key_Backtab, Qt::ShiftModifier},
        };
        const auto &[key, modifiers] = keys[below(std::size(keys))];
        edit->setFocus();
        QTest::keyClick(edit, key, modifiers);
        lastAction += QStringLiteral(" key %1").arg(int(key), 0, 16);
    }

    void pasteHuge(QLineEdit *edit)
    {
        // Mostly digits, so that what the field keeps is nearly a number.
        QString text;
        text.reserve(100002);
        const QString digits = QStringLiteral("0123456789");
        while (text.size() < 100000)
            text += below(50) == 0 ? randomText(2) : QString(digits.at(int(below(10))));
        QApplication::clipboard()->setText(text.left(100000));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        // A line edit keeps at most maxLength characters of a paste.
        QVERIFY2(edit->text().size() >= edit->maxLength() - 1, "the paste did not arrive");
    }

    // A CALCULATE or CLEAR on the panel shown, checked against what the
    // panel may change.
    void clickPanelButton()
    {
        // CLEAR now and then, or the fields are empty most of the time.
        QList<QPushButton *> buttons = visible<QPushButton>();
        const QString wanted = below(5) == 0 ? QStringLiteral("CLEAR") : QStringLiteral("CALCULATE");
        buttons.removeIf([&wanted](const QPushButton *b) { return b->text() != wanted; });
        QPushButton *button = pick(buttons);
        if (!button)
            return;
        lastAction = QStringLiteral("click %1").arg(button->objectName());
        const QMap<QString, QString> before = fieldTexts();
        const qsizetype promptsBefore = prompts.size();
        if (below(4) == 0) {
            button->setFocus();
            QTest::keyClick(button, below(2) ? Qt::Key_Space : Qt::Key_Return);
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
        }
        const QMap<QString, QString> after = fieldTexts();
        if (prompts.size() > promptsBefore) {
            QVERIFY2(prompts.size() == promptsBefore + 1, "one click, one prompt");
            QVERIFY2(after == before, "a prompt changed a field");
            return;
        }
        const bool clear = button->text() == QLatin1String("CLEAR");
        calculated += !clear;
        for (auto it = after.begin(); it != after.end(); ++it) {
            const QWidget *owner = window->findChild<QWidget *>(it.key());
            const bool onPanel = owner->parentWidget() == button->parentWidget();
            if (!onPanel || qobject_cast<const QComboBox *>(owner)) {
                QVERIFY2(it.value() == before[it.key()], qPrintable(it.key() + " changed by another panel's button"));
            } else if (clear) {
                QVERIFY2(it.value().isEmpty(), qPrintable(it.key() + " not cleared"));
            } else if (it.value() != before[it.key()]) {
                static const QStringList results{"A_B", "A_B_C", "SURFACE_TRAVEL", "DEPTH"};
                static const QRegularExpression formatted(QStringLiteral("^-?[0-9]+[.,][0-9]{3} (in|mm)$"));
                QVERIFY2(results.contains(it.key()), qPrintable(it.key() + " changed by CALCULATE"));
                QVERIFY2(formatted.match(it.value()).hasMatch(), qPrintable(it.key() + " = " + it.value().left(80)));
            }
        }
    }

    void selectTab()
    {
        QTabBar *tabs = strip()->tabBar();
        if (below(2) == 0) {
            const int index = int(below(3));
            lastAction = QStringLiteral("click tab %1").arg(index + 1);
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        } else {
            lastAction = QStringLiteral("arrow on tabs");
            tabs->setFocus();
            QTest::keyClick(tabs, below(2) ? Qt::Key_Left : Qt::Key_Right);
        }
    }

    void switchUnit()
    {
        if (QRadioButton *unit = pick(visible<QRadioButton>())) {
            lastAction = QStringLiteral("unit %1").arg(unit->objectName());
            QTest::mouseClick(unit, Qt::LeftButton, {}, QPoint(4, unit->height() / 2));
        }
    }

    void openInfo()
    {
        const bool about = below(2);
        lastAction = about ? QStringLiteral("open About") : QStringLiteral("open Help");
        switch (below(3)) {
        case 0:
            window->findChild<QAction *>(about ? "About" : "Help")->trigger();
            break;
        case 1: {
            QMenuBar *bar = window->menuBar();
            QAction *action = window->findChild<QAction *>(about ? "About" : "Help");
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
            break;
        }
        default:
            QTest::keyClick(window.get(), about ? Qt::Key_A : Qt::Key_H, Qt::AltModifier);
            break;
        }
    }

    void closeInfo()
    {
        InfoWindow *info = pick(infoWindows());
        if (!info)
            return;
        lastAction = QStringLiteral("close %1").arg(info->objectName());
        switch (below(4)) {
        case 0: QTest::mouseClick(info->findChild<QPushButton *>("Command1"), Qt::LeftButton); break;
        case 1: info->findChild<QAction *>("Exit")->trigger(); break;
        case 2: QTest::keyClick(info->findChild<QPushButton *>("Command1"), Qt::Key_Return); break;
        default: info->close(); break;
        }
    }

    void animate()
    {
        InfoWindow *info = pick(infoWindows());
        if (!info)
            return;
        const int steps = int(below(20)) + 1;
        lastAction = QStringLiteral("%1 steps of %2").arg(steps).arg(info->objectName());
        for (int i = 0; i < steps; ++i)
            info->Timer1_Timer();
    }

    // Everything the window must still be after any action.
    QString brokenInvariant()
    {
        QStringList shown;
        for (int n = 1; n <= 3; ++n) {
            if (frame(n)->isVisible())
                shown << frame(n)->objectName();
        }
        const QString expected = QStringLiteral("Frame%1").arg(strip()->selectedIndex());
        if (shown != QStringList{expected})
            return QStringLiteral("panels shown: [%1], tab selected: %2").arg(shown.join(','), expected);
        if (!window->isVisible())
            return QStringLiteral("main window closed");
        int about = 0, help = 0;
        for (InfoWindow *info : infoWindows()) {
            about += info->objectName() == QLatin1String("About_1");
            help += info->objectName() == QLatin1String("Help_1");
            if (info->frameIndex() < 0 || info->frameIndex() > 6)
                return QStringLiteral("%1 FrameIndex %2").arg(info->objectName()).arg(info->frameIndex());
        }
        if (about > 1 || help > 1)
            return QStringLiteral("%1 About and %2 Help windows").arg(about).arg(help);
        if ((window->aboutWindow() != nullptr) != (about == 1) || (window->helpWindow() != nullptr) != (help == 1))
            return QStringLiteral("an information window the main window does not know");

        // Still responding: an event posted now is handled by the next turn
        // of the event loop.
        bool answered = false;
        QTimer::singleShot(0, window.get(), [&answered] { answered = true; });
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (!answered)
            return QStringLiteral("the event loop does not answer");
        return {};
    }

private slots:
    void init()
    {
        window = std::make_unique<MainWindow>();
        window->setPrompter([this](const QString &text) { prompts << text; });
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        // The information windows have no owner; closing them first leaves
        // the main window to release them.
        for (InfoWindow *info : infoWindows())
            info->close();
        window.reset();
        prompts.clear();
    }

    void randomActionsKeepTheWindowWhole()
    {
        const quint64 seed = qEnvironmentVariableIsSet("ANGULON_MONKEY_SEED")
            ? qEnvironmentVariable("ANGULON_MONKEY_SEED").toULongLong()
            : 20261207;
        const int actions = qEnvironmentVariableIsSet("ANGULON_MONKEY_ACTIONS")
            ? qEnvironmentVariableIntValue("ANGULON_MONKEY_ACTIONS")
            : 4000;
        random.seed(seed);
        qInfo("monkey: seed %llu, %d actions", seed, actions);

        int hugePastes = 0;
        for (int i = 0; i < actions; ++i) {
            const auto weight = below(100);
            if (i % 1000 == 500) {
                if (QLineEdit *edit = visibleEdit()) {
                    lastAction = QStringLiteral("paste 100000 characters into %1").arg(edit->parent()->objectName() + '/' + edit->objectName());
                    pasteHuge(edit);
                    ++hugePastes;
                }
            } else if (weight < 35) {
                if (QLineEdit *edit = visibleEdit()) {
                    const QString text = below(3) ? numberText() : randomText(24);
                    lastAction = QStringLiteral("type %1 chars into %2/%3").arg(text.size()).arg(edit->parent()->objectName(), edit->objectName());
                    typeInto(edit, text);
                }
            } else if (weight < 45) {
                if (QLineEdit *edit = visibleEdit()) {
                    lastAction = QStringLiteral("edit %1/%2").arg(edit->parent()->objectName(), edit->objectName());
                    editKey(edit);
                }
            } else if (weight < 68) {
                clickPanelButton();
            } else if (weight < 78) {
                selectTab();
            } else if (weight < 84) {
                switchUnit();
            } else if (weight < 89) {
                openInfo();
            } else if (weight < 93) {
                closeInfo();
            } else {
                animate();
            }
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3").arg(seed).arg(i).arg(lastAction)));
            const QString broken = brokenInvariant();
            if (!broken.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4").arg(seed).arg(i).arg(lastAction, broken)));
        }
        qInfo("monkey: %d actions done, %d pastes of 100000 characters, %d calculations completed, %lld prompts",
              actions, hugePastes, calculated, static_cast<long long>(prompts.size()));
        QMap<QString, int> kinds;
        for (const QString &prompt : std::as_const(prompts))
            ++kinds[prompt.section(QLatin1Char('\n'), 0, 0)];
        for (auto it = kinds.cbegin(); it != kinds.cend(); ++it)
            qInfo("monkey: %5d x %s", it.value(), qPrintable(it.key()));
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
