// SPDX-License-Identifier: MIT

#include "mainwindowfixture.h"

#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenuBar>
#include <QRegularExpression>

#include <random>

// A seeded monkey on the main window: thousands of random user actions, each
// followed by a check that the window is still whole. A failure names the
// seed and the action, so it can be replayed with ANGULON_MONKEY_SEED and
// ANGULON_MONKEY_ACTIONS.
class MonkeyTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    std::mt19937_64 random;
    QString lastAction;

    int below(qsizetype n) { return int(random() % std::uint64_t(n)); }
    template <class T>
    T *pick(const QList<T *> &list)
    {
        return list.isEmpty() ? nullptr : list.at(below(list.size()));
    }

    template <class T>
    QList<T *> shown() const
    {
        QList<T *> found = window->findChildren<T *>();
        found.removeIf([](const T *w) { return !w->isVisible(); });
        return found;
    }

    // Digits, number syntax, printable ASCII or non-ASCII look-alikes, and
    // now and then any code point outside the surrogates.
    QString randomText(int maxLength)
    {
        static const QString alphabets[] = {
            QStringLiteral("0123456789"),
            QStringLiteral("0123456789.,eE+- "),
            QStringLiteral(" !\"#$%&'()*+,-./0123456789:;<=>?@ABCXYZ[\\]^_`abcxyz{|}~"),
            QStringLiteral("äöüßÄ€µ°½²³¹٫٠١٢٣٤٥٦٧٨٩０１２３４５６７８９一二三\u00a0\u2009\u202e\u200b\u0301\ufeff"),
        };
        const QString &alphabet = alphabets[below(std::size(alphabets))];
        QString text;
        for (int i = below(maxLength + 1); i > 0; --i) {
            char32_t code = below(20) ? alphabet.at(below(alphabet.size())).unicode() : char32_t(below(0x10ffff));
            if (code >= 0xd800 && code <= 0xdfff)
                code = 0x1f600;
            text += QString::fromUcs4(&code, 1);
        }
        return text;
    }

    // An angle of the list, or a number with either separator and perhaps an exponent.
    QString numberText()
    {
        static const char *const angles[] = {"70", "60", "45", " 7E1 ", "60.0", "45,0"};
        if (below(4) == 0)
            return QLatin1String(angles[below(std::size(angles))]);
        QString text = (below(4) ? "" : "-") + QString::number(below(100000));
        if (below(2))
            text += QLatin1Char(below(2) ? '.' : ',') + QString::number(below(1000));
        return below(5) ? text : text + QStringLiteral("E%1").arg(below(700) - 350);
    }

    // Key by key as a keyboard delivers it, or at once as an input method
    // commits it; half the time over a selection.
    void typeInto(QLineEdit *edit, const QString &text)
    {
        lastAction = QStringLiteral("type %1 chars into %2").arg(text.size()).arg(edit->objectName());
        edit->setFocus();
        if (below(2))
            edit->selectAll();
        if (below(2)) {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(edit, &commit);
            return;
        }
        for (const QChar c : text) {
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(edit, &key);
            }
        }
    }

    void editKey(QLineEdit *edit)
    {
        static const QKeyCombination keys[] = {
            Qt::Key_Backspace,    Qt::Key_Delete,       Qt::Key_Home,         Qt::SHIFT | Qt::Key_End,
            Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::Key_X,
            Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_V, Qt::Key_Return,       Qt::Key_Escape,
            Qt::Key_Up,           Qt::Key_Down,         Qt::Key_Tab,          Qt::SHIFT | Qt::Key_Backtab,
        };
        const QKeyCombination key = keys[below(std::size(keys))];
        lastAction = QStringLiteral("key %1 in %2").arg(key.toCombined(), 0, 16).arg(edit->objectName());
        edit->setFocus();
        QTest::keyClick(edit, key.key(), key.keyboardModifiers());
    }

    // 100,000 characters, mostly digits, pasted over the field's text.
    void pasteHuge(QLineEdit *edit)
    {
        lastAction = QStringLiteral("paste 100000 characters into %1").arg(edit->objectName());
        QString text;
        while (text.size() < 100000)
            text += below(50) ? QString(QChar(u'0' + below(10))) : randomText(2);
        QApplication::clipboard()->setText(text.left(100000));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        // A line edit keeps at most maxLength characters of a paste.
        QVERIFY2(edit->text().size() >= edit->maxLength() - 1, "the paste did not arrive");
    }

    // A CALCULATE or (now and then) CLEAR on the panel shown, by mouse or
    // key. A prompt changes no field, CLEAR empties its panel's, CALCULATE
    // writes formatted results only; no other panel's field changes.
    void clickPanelButton()
    {
        const QString wanted = below(5) ? QStringLiteral("CALCULATE") : QStringLiteral("CLEAR");
        QList<QPushButton *> buttons = shown<QPushButton>();
        buttons.removeIf([&wanted](const QPushButton *b) { return b->text() != wanted; });
        QPushButton *button = pick(buttons);
        if (!button)
            return;
        lastAction = QStringLiteral("click %1").arg(button->objectName());
        const QMap<QString, QString> before = fieldTexts();
        const qsizetype promptsBefore = prompts.size();
        if (below(4)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            button->setFocus();
            QTest::keyClick(button, below(2) ? Qt::Key_Space : Qt::Key_Return);
        }
        QVERIFY2(prompts.size() <= promptsBefore + 1, "one click, one prompt");
        static const QStringList results{"A_B", "A_B_C", "SURFACE_TRAVEL", "DEPTH"};
        static const QRegularExpression formatted(QStringLiteral("^-?[0-9]+[.,][0-9]{3} (in|mm)$"));
        for (const auto &[name, text] : fieldTexts().asKeyValueRange()) {
            const QWidget *owner = find<QWidget>(name);
            const bool own = owner->parentWidget() == button->parentWidget() && !qobject_cast<const QComboBox *>(owner);
            if (prompts.size() > promptsBefore || !own)
                QVERIFY2(text == before[name], qPrintable(name + " changed"));
            else if (wanted == QLatin1String("CLEAR"))
                QVERIFY2(text.isEmpty(), qPrintable(name + " not cleared"));
            else if (text != before[name])
                QVERIFY2(results.contains(name) && formatted.match(text).hasMatch(),
                         qPrintable(name + " = " + text.left(80)));
        }
    }

    void selectTab()
    {
        if (below(2)) {
            const int index = below(3);
            lastAction = QStringLiteral("click tab %1").arg(index + 1);
            QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(index).center());
        } else {
            lastAction = QStringLiteral("arrow on tabs");
            tabs()->setFocus();
            QTest::keyClick(tabs(), below(2) ? Qt::Key_Left : Qt::Key_Right);
        }
    }

    void switchUnit()
    {
        if (QRadioButton *unit = pick(shown<QRadioButton>())) {
            lastAction = QStringLiteral("unit %1").arg(unit->objectName());
            QTest::mouseClick(unit, Qt::LeftButton, {}, QPoint(4, unit->height() / 2));
        }
    }

    // By the action, a click on the menu bar or the access key.
    void openInfo()
    {
        const bool about = below(2);
        QAction *action = find<QAction>(about ? "About" : "Help");
        lastAction = QStringLiteral("open %1").arg(action->objectName());
        if (const int way = below(3); way == 0)
            action->trigger();
        else if (way == 1)
            QTest::mouseClick(window->menuBar(), Qt::LeftButton, {},
                              window->menuBar()->actionGeometry(action).center());
        else
            QTest::keyClick(window.get(), about ? Qt::Key_A : Qt::Key_H, Qt::AltModifier);
    }

    // By OK clicked or keyed, by Exit, or by the close box.
    void closeInfo(InfoWindow *info)
    {
        lastAction = QStringLiteral("close %1").arg(info->objectName());
        auto *ok = info->findChild<QPushButton *>("Command1");
        switch (below(4)) {
        case 0: QTest::mouseClick(ok, Qt::LeftButton); break;
        case 1: info->findChild<QAction *>("Exit")->trigger(); break;
        case 2: QTest::keyClick(ok, Qt::Key_Return); break;
        default: info->close(); break;
        }
    }

    void animate(InfoWindow *info)
    {
        const int steps = below(20) + 1;
        lastAction = QStringLiteral("%1 steps of %2").arg(steps).arg(info->objectName());
        for (int i = 0; i < steps; ++i)
            info->Timer1_Timer();
    }

    // Everything the window must still be after any action.
    QString brokenInvariant()
    {
        const QString expected = QStringLiteral("Frame%1").arg(tabs()->currentIndex() + 1);
        if (shownFrames() != QStringList{expected})
            return QStringLiteral("panels shown: [%1], tab selected: %2").arg(shownFrames().join(','), expected);
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
        // Still responding: an event posted now is handled by the next turns of the loop.
        bool answered = false;
        QTimer::singleShot(0, window.get(), [&answered] { answered = true; });
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return answered ? QString() : QStringLiteral("the event loop does not answer");
    }

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

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
        for (int i = 0; i < actions; ++i) {
            const int weight = below(100);
            QLineEdit *edit = pick(shown<QLineEdit>());
            InfoWindow *info = pick(infoWindows());
            if (i % 1000 == 500 && edit)
                pasteHuge(edit);
            else if (weight < 35 && edit)
                typeInto(edit, below(3) ? numberText() : randomText(24));
            else if (weight < 45 && edit)
                editKey(edit);
            else if (weight < 68)
                clickPanelButton();
            else if (weight < 78)
                selectTab();
            else if (weight < 84)
                switchUnit();
            else if (weight < 89)
                openInfo();
            else if (weight < 93 && info)
                closeInfo(info);
            else if (weight >= 93 && info)
                animate(info);
            const QString broken = QTest::currentTestFailed() ? QStringLiteral("failed") : brokenInvariant();
            if (!broken.isEmpty())
                QFAIL(
                    qPrintable(QStringLiteral("seed %1, action %2 (%3): %4").arg(seed).arg(i).arg(lastAction, broken)));
        }
        qInfo("monkey: %d actions done, %lld prompts", actions, static_cast<long long>(prompts.size()));
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
