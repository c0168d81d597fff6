#include "info/infowindow.h"
#include "shell/mainwindow.h"
#include "shell/tabstrip.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

#include <clocale>
#include <memory>

// The main window as a user meets it: start-up state, switching panels with
// the tab strip, keyboard order, each panel's buttons, and the menu commands.
class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;
    QStringList prompts;

    TabStrip *strip() const { return window->findChild<TabStrip *>("TabStrip1"); }
    QGroupBox *frame(int n) const { return window->findChild<QGroupBox *>(QStringLiteral("Frame%1").arg(n)); }
    QLineEdit *field(const char *name) const { return window->findChild<QLineEdit *>(name); }

    QStringList visibleFrames() const
    {
        QStringList shown;
        for (int n = 1; n <= 3; ++n) {
            if (frame(n)->isVisible())
                shown << frame(n)->objectName();
        }
        return shown;
    }

    // Names of the widgets the Tab key visits from the tab strip round to it.
    QStringList tabWalk()
    {
        QStringList names;
        strip()->setFocus();
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focused = QApplication::focusWidget();
            if (!focused || focused == strip()->tabBar())
                break;
            // An editable angle box may hand its focus to its line edit.
            if (qobject_cast<QComboBox *>(focused->parentWidget()))
                focused = focused->parentWidget();
            names << focused->objectName();
        }
        return names;
    }

    // Types "name=value" into fields and angle boxes; a bare name clicks
    // that unit button.
    void fill(const QString &assignments)
    {
        for (const QString &pair : assignments.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString name = pair.section(QLatin1Char('='), 0, 0);
            const QString value = pair.section(QLatin1Char('='), 1);
            if (auto *unit = window->findChild<QRadioButton *>(name))
                QTest::mouseClick(unit, Qt::LeftButton);
            else if (auto *box = window->findChild<QComboBox *>(name))
                box->setEditText(value);
            else
                field(qPrintable(name))->setText(value);
        }
    }

    QStringList fieldTexts() const
    {
        QStringList texts;
        for (const QLineEdit *edit : window->findChildren<QLineEdit *>())
            texts << edit->objectName() + QLatin1Char('=') + edit->text();
        return texts;
    }

    void click(const QString &button) { QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton); }

    // The tests also run under a German locale: results carry the user's
    // decimal separator.
    static QString localised(QString text) { return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint()); }

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
        window.reset();
        prompts.clear();
    }

    void startsOnSoundPathWithFocusOnStrip()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Angulon"));
        QCOMPARE(strip()->selectedIndex(), 1);
        QCOMPARE(visibleFrames(), QStringList{"Frame1"});
        QCOMPARE(QApplication::focusWidget(), strip()->tabBar());
        QCOMPARE(window->centralWidget()->size(), QSize(616, 242));
        const QStringList captions{strip()->tabBar()->tabText(0), strip()->tabBar()->tabText(1), strip()->tabBar()->tabText(2)};
        QCOMPARE(captions, (QStringList{" Sound path ", " Surface Travel ", "Indication Depth"}));
    }

    void tabShowsItsPanelOnly_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("second") << QList<int>{2} << "Frame2";
        QTest::newRow("third") << QList<int>{3} << "Frame3";
        QTest::newRow("there and back") << QList<int>{3, 1} << "Frame1";
        QTest::newRow("same tab twice") << QList<int>{2, 2} << "Frame2";
        QTest::newRow("round trip") << QList<int>{2, 3, 1, 3} << "Frame3";
    }

    void tabShowsItsPanelOnly()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, shown);
        for (int index : clicks)
            QTest::mouseClick(strip()->tabBar(), Qt::LeftButton, {}, strip()->tabBar()->tabRect(index - 1).center());
        QCOMPARE(visibleFrames(), QStringList{shown});
    }

    void arrowKeysOnStripSwitchPanels()
    {
        QTest::keyClick(strip()->tabBar(), Qt::Key_Right);
        QCOMPARE(visibleFrames(), QStringList{"Frame2"});
        QTest::keyClick(strip()->tabBar(), Qt::Key_Right);
        QCOMPARE(visibleFrames(), QStringList{"Frame3"});
        QTest::keyClick(strip()->tabBar(), Qt::Key_Left);
        QCOMPARE(visibleFrames(), QStringList{"Frame2"});
    }

    void valuesSurviveSwitching()
    {
        QTest::keyClicks(field("T"), QStringLiteral("25"));
        QTest::mouseClick(window->findChild<QPushButton *>("Command1"), Qt::LeftButton);
        strip()->tabBar()->setCurrentIndex(1);
        QTest::keyClicks(field("SP_TEXT"), QStringLiteral("10"));
        strip()->tabBar()->setCurrentIndex(2);
        strip()->tabBar()->setCurrentIndex(0);
        QCOMPARE(field("A_B")->text(), localised("73.099 in"));
        QCOMPARE(field("T")->text(), QStringLiteral("25"));
        strip()->tabBar()->setCurrentIndex(1);
        QCOMPARE(field("SP_TEXT")->text(), QStringLiteral("10"));
    }

    void tabKeyFollowsDesignOrder_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("sound path") << 0
            << QStringList{"T", "ANGLE_BOX", "Command1", "A_B", "A_B_C", "Command3", "opt_INCH"};
        QTest::newRow("surface travel") << 1
            << QStringList{"ANGLE_BOX_2", "SP_TEXT", "Command2", "SURFACE_TRAVEL", "Command5", "opt_Inch2"};
        QTest::newRow("indication depth") << 2
            << QStringList{"opt_INCH3", "Command6", "DEPTH", "Command4", "IND_SP", "A_B_SND_PATH", "MAT_T"};
    }

    void tabKeyFollowsDesignOrder()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, order);
        strip()->tabBar()->setCurrentIndex(tab);
        QCOMPARE(tabWalk(), order);
    }

    void calculate_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sound path A-B") << 0 << "T=1" << "Command1" << "A_B" << "2.924 in";
        QTest::newRow("sound path 45 mm") << 0 << "T=25;ANGLE_BOX=45;opt_MILLI" << "Command1" << "A_B_C" << "70.711 mm";
        QTest::newRow("angle 30 doubles typed A-B") << 0 << "T=9;ANGLE_BOX=30;A_B=3" << "Command1" << "A_B_C" << "6.000 in";
        QTest::newRow("surface travel mm") << 1 << "SP_TEXT=10;Option1" << "Command2" << "SURFACE_TRAVEL" << "9.396 mm";
        QTest::newRow("indication depth") << 2 << "MAT_T=20;A_B_SND_PATH=40;IND_SP=30" << "Command4" << "DEPTH" << "15.000 in";
    }

    void calculate()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QString, button);
        QFETCH(QString, result);
        QFETCH(QString, expected);
        strip()->tabBar()->setCurrentIndex(tab);
        fill(input);
        click(button);
        QCOMPARE(field(qPrintable(result))->text(), localised(expected));
        QVERIFY(prompts.isEmpty());
    }

    void promptChangesNoField_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("expected");
        QTest::newRow("thickness letters") << 0 << "T=abc;A_B=1.000 in" << "Command1" << "Please Enter the Material Thickness as a Number";
        QTest::newRow("sound path missing") << 1 << "SURFACE_TRAVEL=1.000 mm" << "Command2" << "Please Enter the Material Sound Path";
        QTest::newRow("indication missing") << 2 << "MAT_T=20;A_B_SND_PATH=40;DEPTH=5.000 in" << "Command4"
                                            << "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";
    }

    void promptChangesNoField()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QString, button);
        QFETCH(QString, expected);
        strip()->tabBar()->setCurrentIndex(tab);
        fill(input);
        const QStringList before = fieldTexts();
        click(button);
        QCOMPARE(prompts, QStringList{expected});
        QCOMPARE(fieldTexts(), before);
    }

    void clearEmptiesPanelAndKeepsChoices_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("calculate");
        QTest::addColumn<QString>("clear");
        QTest::newRow("sound path") << 0 << "T=25;ANGLE_BOX=45;opt_MILLI" << "Command1" << "Command3";
        QTest::newRow("surface travel") << 1 << "SP_TEXT=10;ANGLE_BOX_2=60;Option1" << "Command2" << "Command5";
        QTest::newRow("indication depth") << 2 << "MAT_T=2;A_B_SND_PATH=4;IND_SP=3;Option3" << "Command4" << "Command6";
    }

    void clearEmptiesPanelAndKeepsChoices()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QString, calculate);
        QFETCH(QString, clear);
        strip()->tabBar()->setCurrentIndex(tab);
        fill(input);
        click(calculate);
        QWidget *panel = frame(tab + 1);
        const auto boxes = panel->findChildren<QComboBox *>();
        const QString angle = boxes.isEmpty() ? QString() : boxes.first()->currentText();
        click(clear);
        for (const QLineEdit *edit : panel->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        if (!boxes.isEmpty())
            QCOMPARE(boxes.first()->currentText(), angle);
        for (const QRadioButton *unit : panel->findChildren<QRadioButton *>())
            QCOMPARE(unit->isChecked(), unit->accessibleName() == QLatin1String("Millimeter"));
    }

    void commaLocaleReadsAndWritesComma()
    {
        window->findChild<ui::Panel *>("Frame1")->setDecimal(',');
        fill(QStringLiteral("T=2,5;ANGLE_BOX=60"));
        click(QStringLiteral("Command1"));
        QCOMPARE(field("A_B")->text(), QStringLiteral("5,000 in"));
        QCOMPARE(field("A_B_C")->text(), QStringLiteral("10,000 in"));
    }

    // No setDecimal here: the panels take the separator from the user's
    // locale, which CTest sets to de_DE.UTF-8 for the second run.
    void typedWithTheLocaleSeparator()
    {
        const QString point = QLocale::system().decimalPoint();
        if (qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de_DE"))) {
            QCOMPARE(point, QStringLiteral(","));
            // The C library has the locale too, so it was really installed.
            QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), qgetenv("LC_ALL"));
        }
        QTest::keyClicks(field("T"), "2" + point + "5");
        fill(QStringLiteral("ANGLE_BOX=60"));
        click(QStringLiteral("Command1"));
        QCOMPARE(field("A_B")->text(), "5" + point + "000 in");
        QCOMPARE(field("A_B_C")->text(), "10" + point + "000 in");
    }

    void arrowKeysMoveTheUnitChoice()
    {
        auto *inch = window->findChild<QRadioButton *>("opt_INCH");
        auto *milli = window->findChild<QRadioButton *>("opt_MILLI");
        inch->setFocus();
        QTest::keyClick(inch, Qt::Key_Down);
        QVERIFY(milli->isChecked() && !inch->isChecked());
        QCOMPARE(QApplication::focusWidget(), milli);
        QTest::keyClick(milli, Qt::Key_Up);
        QVERIFY(inch->isChecked());
    }

    void promptLeavesFocusAndFields()
    {
        field("A_B")->setText(QStringLiteral("1.000 in"));
        auto *calculate = window->findChild<QPushButton *>("Command1");
        calculate->setFocus();
        QTest::keyClick(calculate, Qt::Key_Space);
        QCOMPARE(prompts, QStringList{"Please Enter the Material Thickness"});
        QCOMPARE(field("A_B")->text(), QStringLiteral("1.000 in"));
        QCOMPARE(QApplication::focusWidget(), calculate);
    }

    void helpAndAboutReuseOneWindowEach()
    {
        window->findChild<QAction *>("Help")->trigger();
        InfoWindow *help = window->helpWindow();
        QVERIFY(help && help->isVisible());
        window->findChild<QAction *>("Help")->trigger();
        QCOMPARE(window->helpWindow(), help);
        help->close();
        window->findChild<QAction *>("About")->trigger();
        window->findChild<QAction *>("Help")->trigger();
        QCOMPARE(window->helpWindow(), help);
        QVERIFY(help->isVisible() && window->aboutWindow()->isVisible());
        QCOMPARE(help->parentWidget(), nullptr);
        const auto topLevels = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(topLevels.begin(), topLevels.end(),
                               [](QWidget *w) { return qobject_cast<InfoWindow *>(w) != nullptr; }),
                 2);
    }

    void accessKeysRunBarCommands()
    {
        QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
        QVERIFY(window->helpWindow() && window->helpWindow()->isVisible());
        QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
        QVERIFY(window->aboutWindow() && window->aboutWindow()->isVisible());
    }

    void fileExitClosesEveryWindow()
    {
        window->findChild<QAction *>("Help")->trigger();
        window->findChild<QAction *>("mnuEditBar0")->trigger();
        QVERIFY(!window->isVisible());
        QVERIFY(!window->helpWindow()->isVisible());
    }

    void growingShowsMoreGreyAndMovesNothing()
    {
        const QRect before = frame(1)->geometry();
        const QRect stripBefore = strip()->geometry();
        window->showMaximized();
        window->resize(1200, 900);
        QCOMPARE(frame(1)->geometry(), before);
        QCOMPARE(strip()->geometry(), stripBefore);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
