// SPDX-License-Identifier: MIT

#include "calc/panel.h"
#include "mainwindowfixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QTimer>

// What a screen reader is told about the windows: it reads only the
// accessibility interfaces, never the widgets, so these tests do the same.
class AccessibilityTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    // One control as the accessibility tree presents it.
    struct Heard {
        QObject *object;
        QAccessible::Role role;
        QString name, description, value;
        bool checked;
    };

    // Every control the tree reaches from the given one that is not hidden.
    static QList<Heard> listen(QAccessibleInterface *iface, int depth = 0)
    {
        QList<Heard> heard;
        if (!iface || depth > 20 || iface->state().invisible)
            return heard;
        heard.append({iface->object(), iface->role(), iface->text(QAccessible::Name),
                      iface->text(QAccessible::Description), iface->text(QAccessible::Value),
                      bool(iface->state().checked)});
        for (int i = 0; i < iface->childCount(); ++i)
            heard += listen(iface->child(i), depth + 1);
        return heard;
    }

    static QList<Heard> listen(QObject *object) { return listen(QAccessible::queryAccessibleInterface(object)); }

private slots:
    void init() { openWindow(false); }
    void cleanup() { closeWindow(); }

    void eachTabAnnouncesItsControls_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("calculate");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("sound path") << 0 << "T=1;ANGLE_BOX=60"
                                    << "Command1" << QStringList{"A_B",      "A_B_C",    "ANGLE_BOX", "Command1",
                                                                 "Command3", "opt_INCH", "opt_MILLI", "T"};
        QTest::newRow("surface travel") << 1 << "SP_TEXT=2;ANGLE_BOX_2=45"
                                        << "Command2"
                                        << QStringList{"ANGLE_BOX_2", "Command2", "Command5",      "Option1",
                                                       "opt_Inch2",   "SP_TEXT",  "SURFACE_TRAVEL"};
        QTest::newRow("indication depth")
            << 2 << "MAT_T=1;A_B_SND_PATH=2;IND_SP=3"
            << "Command4"
            << QStringList{"A_B_SND_PATH", "Command4", "Command6", "DEPTH", "IND_SP", "MAT_T", "opt_INCH3", "Option3"};
    }

    // Only the shown panel's controls are announced, each with a name of its
    // own (Qt lends unnamed ones the panel's caption), a description and, for fields and angle boxes, the text it holds
    // now (results included, once CALCULATE has written them). The unit buttons show only their mark, so their names
    // must carry the unit.
    void eachTabAnnouncesItsControls()
    {
        QFETCH(int, tab);
        QFETCH(QString, inputs);
        QFETCH(QString, calculate);
        QFETCH(QStringList, controls);
        showTab(tab);
        fill(inputs);
        window->setPrompter([](const QString &text) { QFAIL(qPrintable("unexpected prompt: " + text)); });
        click(calculate);

        QStringList announced, names;
        int results = 0;
        for (const Heard &h : listen(window.get())) {
            auto *widget = qobject_cast<QWidget *>(h.object);
            if (!widget || !dynamic_cast<calc::Panel *>(widget->parentWidget()) || qobject_cast<QLabel *>(widget))
                continue;
            const QString who = h.object->objectName();
            announced << who;
            QVERIFY2(!h.name.isEmpty() && !names.contains(h.name), qPrintable(who + " is named \"" + h.name + '"'));
            QVERIFY2(!h.description.isEmpty(), qPrintable(who + " has no description"));
            names << h.name;
            if (auto *field = qobject_cast<QLineEdit *>(widget)) {
                QCOMPARE(h.role, QAccessible::EditableText);
                QCOMPARE(h.value, field->text());
                results += h.value.endsWith(QLatin1String(" in"));
            } else if (auto *box = qobject_cast<QComboBox *>(widget)) {
                QCOMPARE(h.role, QAccessible::ComboBox);
                QCOMPARE(h.value, box->currentText());
            } else if (auto *button = qobject_cast<QAbstractButton *>(widget); button->isCheckable()) {
                QCOMPARE(h.role, QAccessible::RadioButton);
                QCOMPARE(h.checked, button->isChecked());
                QVERIFY2((QStringList{"Inch", "Millimeter"}.contains(h.name)), qPrintable(who + ": " + h.name));
            }
        }
        announced.sort(Qt::CaseInsensitive);
        controls.sort(Qt::CaseInsensitive);
        QCOMPARE(announced, controls);
        QVERIFY2(results > 0, "no calculated result was announced");
    }

    // The real prompt, not a test replacement: its text reaches the screen
    // reader, and its OK button can be pressed through it.
    void promptIsReadable()
    {
        QStringList texts;
        bool pressed = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &poll, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            poll.stop();
            for (const Heard &h : listen(modal)) {
                if (h.role == QAccessible::StaticText && !h.name.isEmpty())
                    texts << h.name;
                if (h.role == QAccessible::PushButton && h.name == QLatin1String("OK") && !pressed) {
                    QAccessible::queryAccessibleInterface(h.object)->actionInterface()->doAction(
                        QAccessibleActionInterface::pressAction());
                    pressed = true;
                }
            }
            if (!pressed)
                modal->close();
        });
        poll.start(10);
        click(QStringLiteral("Command1"));
        QVERIFY(pressed);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY2(texts.contains(QStringLiteral("Please Enter the Material Thickness")), qPrintable(texts.join(" | ")));
    }

    // The caption pads its lines with long runs of spaces; read aloud, the
    // text is its lines, starting with the one that names the program.
    void infoTextIsReadWithoutPadding()
    {
        for (const InfoWindow::Kind kind : {InfoWindow::Kind::About, InfoWindow::Kind::Help}) {
            InfoWindow info(kind);
            info.open();
            QVERIFY(QTest::qWaitForWindowExposed(&info));
            QString caption;
            bool okDescribed = false;
            for (const Heard &h : listen(&info)) {
                if (h.object && h.object->objectName() == QLatin1String("Label1"))
                    caption = h.name;
                if (h.role == QAccessible::PushButton && h.name == QLatin1String("OK"))
                    okDescribed = !h.description.isEmpty();
            }
            QVERIFY2(caption.startsWith(QLatin1String("[Angulon 1.03] ")), qPrintable(caption));
            QVERIFY2(!caption.contains(QLatin1String("  ")), qPrintable(caption));
            QVERIFY(okDescribed);
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
