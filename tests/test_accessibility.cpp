#include "info/infowindow.h"
#include "shell/mainwindow.h"
#include "shell/tabstrip.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(InfoWindow::Kind)

// What a screen reader is told about the windows: it reads only the
// accessibility interfaces, never the widgets, so these tests do the same.
class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;

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

    static QList<Heard> listen(QWidget *widget) { return listen(QAccessible::queryAccessibleInterface(widget)); }

    // The panel controls a user can reach: fields, angle boxes, unit and
    // command buttons (the menu bar and the tab strip are left out).
    static bool isPanelControl(const Heard &h)
    {
        auto *widget = qobject_cast<QWidget *>(h.object);
        if (!widget || !dynamic_cast<ui::Panel *>(widget->parentWidget()))
            return false;
        return qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget)
            || qobject_cast<QAbstractButton *>(widget);
    }

    void showTab(int tab) { window->findChild<TabStrip *>("TabStrip1")->tabBar()->setCurrentIndex(tab); }

    void fill(const QString &assignments)
    {
        for (const QString &pair : assignments.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString name = pair.section(QLatin1Char('='), 0, 0);
            const QString value = pair.section(QLatin1Char('='), 1);
            if (auto *box = window->findChild<QComboBox *>(name))
                box->setEditText(value);
            else
                window->findChild<QLineEdit *>(name)->setText(value);
        }
    }

    // Answers the modal box the next click opens, as a screen reader user
    // would: reads it through its interface and presses its OK button there.
    void answerPromptWith(const std::function<void(QAccessibleInterface *)> &read)
    {
        auto *poll = new QTimer(this);
        int tries = 0;
        connect(poll, &QTimer::timeout, this, [poll, read, tries]() mutable {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal && ++tries < 500)
                return;
            poll->deleteLater();
            poll->stop();
            if (!modal)
                return;
            QAccessibleInterface *box = QAccessible::queryAccessibleInterface(modal);
            read(box);
            for (const Heard &h : listen(box)) {
                if (h.role == QAccessible::PushButton && h.name == QLatin1String("OK")) {
                    QAccessibleInterface *ok = QAccessible::queryAccessibleInterface(h.object);
                    ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                    return;
                }
            }
            modal->close();
        });
        poll->start(10);
    }

private slots:
    void init()
    {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup() { window.reset(); }

    void eachTabAnnouncesItsControls_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("calculate");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("sound path") << 0 << "T=1;ANGLE_BOX=60" << "Command1"
                                    << QStringList{"A_B", "A_B_C", "ANGLE_BOX", "Command1", "Command3",
                                                   "opt_INCH", "opt_MILLI", "T"};
        QTest::newRow("surface travel") << 1 << "SP_TEXT=2;ANGLE_BOX_2=45" << "Command2"
                                        << QStringList{"ANGLE_BOX_2", "Command2", "Command5", "Option1",
                                                       "opt_Inch2", "SP_TEXT", "SURFACE_TRAVEL"};
        QTest::newRow("indication depth") << 2 << "MAT_T=1;A_B_SND_PATH=2;IND_SP=3" << "Command4"
                                          << QStringList{"A_B_SND_PATH", "Command4", "Command6", "DEPTH",
                                                         "IND_SP", "MAT_T", "opt_INCH3", "Option3"};
    }

    // Only the shown panel's controls are announced, each with a name, a
    // description and, for fields and angle boxes, the text it holds now
    // (results included, once CALCULATE has written them).
    void eachTabAnnouncesItsControls()
    {
        QFETCH(int, tab);
        QFETCH(QString, inputs);
        QFETCH(QString, calculate);
        QFETCH(QStringList, controls);
        showTab(tab);
        fill(inputs);
        window->setPrompter([](const QString &text) { QFAIL(qPrintable("unexpected prompt: " + text)); });
        QTest::mouseClick(window->findChild<QPushButton *>(calculate), Qt::LeftButton);

        QStringList announced;
        int results = 0;
        for (const Heard &h : listen(window.get())) {
            if (!isPanelControl(h))
                continue;
            const QString who = h.object->objectName();
            announced << who;
            QVERIFY2(!h.name.isEmpty(), qPrintable(who + " has no accessible name"));
            QVERIFY2(!h.description.isEmpty(), qPrintable(who + " has no accessible description"));
            if (auto *field = qobject_cast<QLineEdit *>(h.object)) {
                QCOMPARE(h.role, QAccessible::EditableText);
                QCOMPARE(h.value, field->text());
                results += h.value.endsWith(QLatin1String(" in"));
            } else if (auto *box = qobject_cast<QComboBox *>(h.object)) {
                QCOMPARE(h.role, QAccessible::ComboBox);
                QCOMPARE(h.value, box->currentText());
            } else if (auto *button = qobject_cast<QAbstractButton *>(h.object); button->isCheckable()) {
                QCOMPARE(h.role, QAccessible::RadioButton);
                QCOMPARE(h.checked, button->isChecked());
            }
        }
        announced.sort(Qt::CaseInsensitive);
        controls.sort(Qt::CaseInsensitive);
        QCOMPARE(announced, controls);
        QVERIFY2(results > 0, "no calculated result was announced");
    }

    // The unit buttons show only their mark; the name must carry the unit.
    void unitButtonsAreNamedByTheirUnit()
    {
        QStringList names;
        for (const Heard &h : listen(window.get())) {
            if (h.role == QAccessible::RadioButton)
                names << h.name;
        }
        QCOMPARE(names.size(), 2);
        QVERIFY(names.contains(QStringLiteral("Inch")));
        QVERIFY(names.contains(QStringLiteral("Millimeter")));
    }

    void promptIsReadable_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("calculate");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("sound path") << 0 << "Command1" << "Please Enter the Material Thickness";
        QTest::newRow("surface travel") << 1 << "Command2" << "Please Enter the Material Sound Path";
        QTest::newRow("indication depth")
            << 2 << "Command4"
            << "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";
    }

    // The real prompt, not a test replacement: its title and its text reach
    // the screen reader, and its OK button can be pressed through it.
    void promptIsReadable()
    {
        QFETCH(int, tab);
        QFETCH(QString, calculate);
        QFETCH(QString, prompt);
        showTab(tab);
        QString title;
        QStringList texts;
        answerPromptWith([&](QAccessibleInterface *box) {
            title = box->text(QAccessible::Name);
            for (const Heard &h : listen(box)) {
                if (h.role == QAccessible::StaticText && !h.name.isEmpty())
                    texts << h.name;
            }
        });
        QTest::mouseClick(window->findChild<QPushButton *>(calculate), Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(title, QStringLiteral("Refrax"));
        QVERIFY2(texts.contains(prompt), qPrintable(texts.join(QLatin1String(" | "))));
    }

    void infoTextIsReadWithoutPadding_data()
    {
        QTest::addColumn<InfoWindow::Kind>("kind");
        QTest::addColumn<QString>("opening");
        QTest::newRow("about") << InfoWindow::Kind::About
                               << "[Angulon 1.03] designed by the Angulon developers in December 2026";
        QTest::newRow("help") << InfoWindow::Kind::Help
                              << "[Angulon 1.03] was designed to quickly and easily calculate the";
    }

    // The caption pads its lines with long runs of spaces; read aloud, the
    // text is its lines, starting with the one that names the program.
    void infoTextIsReadWithoutPadding()
    {
        QFETCH(InfoWindow::Kind, kind);
        QFETCH(QString, opening);
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
        QCOMPARE(caption.section(QLatin1Char('\n'), 0, 0), opening);
        QVERIFY2(!caption.contains(QLatin1String("  ")), qPrintable(caption));
        QVERIFY(okDescribed);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
