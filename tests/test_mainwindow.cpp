// SPDX-License-Identifier: MIT

#include "calc/panel.h"
#include "mainwindowfixture.h"
#include "ui/fonts.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>

#include <clocale>

// Each panel's CALCULATE and CLEAR, by tab.
constexpr const char *calculateButton[] = {"Command1", "Command2", "Command4"};
constexpr const char *clearButton[] = {"Command3", "Command5", "Command6"};

// The main window as a user meets it: start-up state, switching panels with
// the tab strip, keyboard order, each panel's buttons, and the menu commands.
class MainWindowTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    // Names of the widgets the Tab key visits from the tab strip round to it.
    QStringList tabWalk() const
    {
        QStringList names;
        tabs()->setFocus();
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focused = QApplication::focusWidget();
            if (!focused || focused == tabs())
                break;
            // An editable angle box may hand its focus to its line edit.
            if (qobject_cast<QComboBox *>(focused->parentWidget()))
                focused = focused->parentWidget();
            names << focused->objectName();
        }
        return names;
    }

    // The tests also run under a German locale: results carry the user's
    // decimal separator.
    static QString localised(QString text) { return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint()); }

    QFont desktopFont;

private slots:
    // As the program starts: the Tahoma twin registered before any window.
    void initTestCase()
    {
        desktopFont = QGuiApplication::font();
        ui::registerFontTwins();
    }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void startsOnSoundPathWithFocusOnStrip()
    {
        QCOMPARE(shownFrames(), QStringList{"Frame1"});
        QCOMPARE(QApplication::focusWidget(), tabs());
        QCOMPARE(window->centralWidget()->size(), QSize(616, 242)); // the menu bar adds to the design
    }

    // The focus frame of the selected tab shows before any key is pressed.
    void focusedTabShowsItsFrame()
    {
        const QRect tab = tabs()->tabRect(0);
        const QImage focused = tabs()->grab(tab).toImage();
        find("T")->setFocus(Qt::MouseFocusReason);
        QVERIFY(tabs()->grab(tab).toImage() != focused);
    }

    void tabShowsItsPanelOnly_data()
    {
        QTest::addColumn<QString>("steps"); // tabs clicked by number, or arrow keys on the strip
        QTest::addColumn<QString>("shown");
        QTest::newRow("second") << "2"
                                << "Frame2";
        QTest::newRow("third") << "3"
                               << "Frame3";
        QTest::newRow("there and back") << "3 1"
                                        << "Frame1";
        QTest::newRow("same tab twice") << "2 2"
                                        << "Frame2";
        QTest::newRow("arrow keys") << "Right Right Left"
                                    << "Frame2";
    }

    // Switching panels changes none of their fields.
    void tabShowsItsPanelOnly()
    {
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        fill(QStringLiteral("T=25;A_B=73.099 in;SP_TEXT=10;IND_SP=3"));
        const QMap<QString, QString> before = fieldTexts();
        for (const QString &step : steps.split(QLatin1Char(' '))) {
            if (step == QLatin1String("Right") || step == QLatin1String("Left"))
                QTest::keyClick(tabs(), step == QLatin1String("Right") ? Qt::Key_Right : Qt::Key_Left);
            else
                QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(step.toInt() - 1).center());
        }
        QCOMPARE(shownFrames(), QStringList{shown});
        QCOMPARE(fieldTexts(), before);
    }

    // The unit pair is one tab stop, at the checked button.
    void tabKeyFollowsDesignOrder_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("sound path") << 0 << "" << QStringList{"T",     "ANGLE_BOX", "Command1", "A_B",
                                                              "A_B_C", "Command3",  "opt_INCH"};
        QTest::newRow("sound path in mm")
            << 0 << "opt_MILLI" << QStringList{"T", "ANGLE_BOX", "Command1", "A_B", "A_B_C", "Command3", "opt_MILLI"};
        QTest::newRow("surface travel") << 1 << "" << QStringList{"ANGLE_BOX_2",    "SP_TEXT",  "Command2",
                                                                  "SURFACE_TRAVEL", "Command5", "opt_Inch2"};
        QTest::newRow("indication depth")
            << 2 << "" << QStringList{"opt_INCH3", "Command6", "DEPTH", "Command4", "IND_SP", "A_B_SND_PATH", "MAT_T"};
    }

    void tabKeyFollowsDesignOrder()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QStringList, order);
        showTab(tab);
        fill(input);
        QCOMPARE(tabWalk(), order);
    }

    // A result, or a prompt that changes no field. Pressed from the keyboard,
    // on the button or with Return in a field, the focus stays where it was.
    void calculate_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("press");  // "Space" on CALCULATE, or "Key in field"
        QTest::addColumn<QString>("result"); // the field to read, or "prompt"
        QTest::addColumn<QString>("expected");
        QTest::newRow("sound path A-B") << 0 << "T=1"
                                        << "Space"
                                        << "A_B"
                                        << "2.924 in";
        QTest::newRow("sound path 45 mm") << 0 << "T=25;ANGLE_BOX=45;opt_MILLI"
                                          << "Space"
                                          << "A_B_C"
                                          << "70.711 mm";
        QTest::newRow("angle 30 doubles typed A-B") << 0 << "T=9;ANGLE_BOX=30;A_B=3"
                                                    << "Space"
                                                    << "A_B_C"
                                                    << "6.000 in";
        QTest::newRow("surface travel mm") << 1 << "SP_TEXT=10;Option1"
                                           << "Space"
                                           << "SURFACE_TRAVEL"
                                           << "9.396 mm";
        QTest::newRow("indication depth") << 2 << "MAT_T=20;A_B_SND_PATH=40;IND_SP=30"
                                          << "Space"
                                          << "DEPTH"
                                          << "15.000 in";
        QTest::newRow("thickness letters") << 0 << "T=abc;A_B=1.000 in"
                                           << "Space"
                                           << "prompt"
                                           << "Please Enter the Material Thickness as a Number";
        QTest::newRow("sound path missing") << 1 << "SURFACE_TRAVEL=1.000 mm"
                                            << "Space"
                                            << "prompt"
                                            << "Please Enter the Material Sound Path";
        QTest::newRow("indication missing")
            << 2 << "MAT_T=20;A_B_SND_PATH=40;DEPTH=5.000 in"
            << "Space"
            << "prompt"
            << "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";
        QTest::newRow("Return in thickness") << 0 << "T=1"
                                             << "Return T"
                                             << "A_B_C"
                                             << "5.848 in";
        QTest::newRow("Return in typed angle") << 0 << "T=1;ANGLE_BOX=30"
                                               << "Return ANGLE_BOX"
                                               << "prompt"
                                               << "Please Choose a Refracted Angle of 70, 60 or 45";
        QTest::newRow("Enter in sound path") << 1 << "SP_TEXT=10"
                                             << "Enter SP_TEXT"
                                             << "SURFACE_TRAVEL"
                                             << "9.396 in";
        QTest::newRow("Return in angle box 2") << 1 << "SP_TEXT=10;ANGLE_BOX_2= 60"
                                               << "Return ANGLE_BOX_2"
                                               << "SURFACE_TRAVEL"
                                               << "8.660 in";
        QTest::newRow("Return in empty input")
            << 2 << "MAT_T=20;DEPTH=5.000 in"
            << "Return A_B_SND_PATH"
            << "prompt"
            << "Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path";
        QTest::newRow("Return in result") << 2 << "MAT_T=20;A_B_SND_PATH=40;IND_SP=50"
                                          << "Return DEPTH"
                                          << "DEPTH"
                                          << "15.000 in";
    }

    void calculate()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QString, press);
        QFETCH(QString, result);
        QFETCH(QString, expected);
        showTab(tab);
        fill(input);
        const QMap<QString, QString> before = fieldTexts();
        QWidget *target = find<QWidget>(press == QLatin1String("Space") ? calculateButton[tab] : press.section(' ', 1));
        target->setFocus();
        const auto key = press.startsWith(QLatin1String("Return"))  ? Qt::Key_Return
                         : press.startsWith(QLatin1String("Enter")) ? Qt::Key_Enter
                                                                    : Qt::Key_Space;
        // As a keyboard delivers it: to the focus widget.
        QTest::keyClick(QApplication::focusWidget(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), target);
        if (result == QLatin1String("prompt")) {
            QCOMPARE(prompts, QStringList{expected});
            QCOMPARE(fieldTexts(), before);
        } else {
            QCOMPARE(find(result)->text(), localised(expected));
            QVERIFY(prompts.isEmpty());
        }
        // A typed angle never joins the list.
        for (const QComboBox *box : window->findChildren<QComboBox *>())
            QCOMPARE(box->count(), 3);
    }

    // A result wider than its field shows its leading digits, and the unit
    // is what is cut: the first glyph is drawn where a field holding only
    // that glyph draws it.
    void resultShowsItsLeadingDigits_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");
        QTest::newRow("sound path in") << 0 << "T=4000";
        QTest::newRow("sound path mm") << 0 << "T=4000;opt_MILLI";
        QTest::newRow("surface travel in") << 1 << "SP_TEXT=20000";
        QTest::newRow("surface travel mm") << 1 << "SP_TEXT=20000;Option1";
        QTest::newRow("indication depth in") << 2 << "MAT_T=100000;A_B_SND_PATH=40;IND_SP=30";
        QTest::newRow("indication depth mm") << 2 << "MAT_T=100000;A_B_SND_PATH=40;IND_SP=30;Option3";
    }

    void resultShowsItsLeadingDigits()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        showTab(tab);
        fill(input);
        click(calculateButton[tab]);
        QWidget *panel = find<QWidget>(QStringLiteral("Frame%1").arg(tab + 1));
        for (QLineEdit *field : panel->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly)) {
            if (!field->accessibleDescription().startsWith(QLatin1String("Result")))
                continue;
            QLineEdit lone(panel);
            lone.setFont(field->font());
            lone.setPalette(field->palette());
            lone.setGeometry(field->geometry());
            const QImage blank = lone.grab().toImage();
            lone.setText(field->text().left(1));
            const QImage glyph = lone.grab().toImage();
            int inkEnd = 0;
            for (int x = 0; x < glyph.width(); ++x) {
                for (int y = 0; y < glyph.height(); ++y) {
                    if (glyph.pixel(x, y) != blank.pixel(x, y))
                        inkEnd = x + 1;
                }
            }
            QVERIFY(inkEnd > 0);
            const auto start = [inkEnd](const QImage &image) { return image.copy(0, 0, inkEnd, image.height()); };
            // The row must be one where a cursor at the end would scroll.
            lone.setText(field->text());
            QVERIFY2(start(lone.grab().toImage()) != start(glyph), qPrintable(field->text()));
            QCOMPARE(start(field->grab().toImage()), start(glyph));
        }
    }

    // What the Help text tells the user to do: copy a sound path and paste it
    // into the Surface Travel calculator, unit and all.
    void pasteResultIntoSurfaceTravel()
    {
        fill(QStringLiteral("T=25;opt_MILLI"));
        click(QStringLiteral("Command1"));
        QLineEdit *abc = find("A_B_C");
        abc->setFocus();
        QTest::keyClick(abc, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(abc, Qt::Key_C, Qt::ControlModifier);
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(1).center());
        QLineEdit *soundPath = find("SP_TEXT");
        soundPath->setFocus();
        QTest::keyClick(soundPath, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(soundPath->text(), localised("146.199 mm"));
        fill(QStringLiteral("Option1"));
        click(QStringLiteral("Command2"));
        QVERIFY(prompts.isEmpty());
        QCOMPARE(find("SURFACE_TRAVEL")->text(), localised("137.369 mm"));
    }

    void clearEmptiesPanelAndKeepsChoices_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");
        QTest::newRow("sound path") << 0 << "T=25;ANGLE_BOX=45;opt_MILLI";
        QTest::newRow("surface travel") << 1 << "SP_TEXT=10;ANGLE_BOX_2=60;Option1";
        QTest::newRow("indication depth") << 2 << "MAT_T=2;A_B_SND_PATH=4;IND_SP=3;Option3";
    }

    void clearEmptiesPanelAndKeepsChoices()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        showTab(tab);
        fill(input);
        click(calculateButton[tab]);
        QWidget *panel = find<QWidget>(QStringLiteral("Frame%1").arg(tab + 1));
        const auto boxes = panel->findChildren<QComboBox *>();
        const QString angle = boxes.isEmpty() ? QString() : boxes.first()->currentText();
        click(clearButton[tab]);
        for (const QLineEdit *edit : panel->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        if (!boxes.isEmpty())
            QCOMPARE(boxes.first()->currentText(), angle);
        for (const QRadioButton *unit : panel->findChildren<QRadioButton *>())
            QCOMPARE(unit->isChecked(), unit->accessibleName() == QLatin1String("Millimeter"));
    }

    void decimalSeparator_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::newRow("comma set") << ",";
        QTest::newRow("user's locale") << QString();
    }

    // With none set, the panels take the separator from the user's locale,
    // which CTest makes de_DE.UTF-8 for the second run.
    void decimalSeparator()
    {
        QFETCH(QString, separator);
        if (!separator.isEmpty()) {
            find<calc::Panel>("Frame1")->setDecimal(separator.at(0).toLatin1());
        } else if (qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de_DE"))) {
            QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
            // The C library has the locale too, so it was really installed.
            QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), qgetenv("LC_ALL"));
        }
        const QString point = separator.isEmpty() ? QLocale::system().decimalPoint() : separator;
        QTest::keyClicks(find("T"), "2" + point + "5");
        fill(QStringLiteral("ANGLE_BOX=60"));
        click(QStringLiteral("Command1"));
        QCOMPARE(find("A_B")->text(), "5" + point + "000 in");
        QCOMPARE(find("A_B_C")->text(), "10" + point + "000 in");
    }

    void accessKeysOpenInfoAndExitClosesAll()
    {
        QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
        QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
        QVERIFY(window->helpWindow() && window->helpWindow()->isVisible());
        QVERIFY(window->aboutWindow() && window->aboutWindow()->isVisible());
        find<QAction>("mnuEditBar0")->trigger();
        QVERIFY(!window->isVisible() && !window->helpWindow()->isVisible() && !window->aboutWindow()->isVisible());
    }

    // A face the font database lacks costs a fallback search at start-up, so
    // each face the window asks for must be one that is installed (a twin
    // where the original is missing); and building the window must leave the
    // application font, which the prompts and the information windows use,
    // as it was.
    void fontsAreInstalledFacesAndApplicationFontStays()
    {
        if (!QFontDatabase::families().contains(QStringLiteral("Tahoma")))
            QSKIP("the Tahoma twin (fonts-wine) is not installed");
        QCOMPARE(QGuiApplication::font(), desktopFont);
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (widget->window() != window.get())
                continue; // menus are windows of their own, in the desktop's font
            const QString asked = widget->font().family();
            const QString got = QFontInfo(widget->font()).family();
            QVERIFY2(got.compare(asked, Qt::CaseInsensitive) == 0,
                     qPrintable(widget->objectName() + ": asked for " + asked + ", got " + got));
        }
    }

    // The strip draws its body band by band; the result must be the style's
    // frame drawn whole, with no seam or missing row where bands meet.
    void stripBodyIsTheStylesFrame()
    {
        auto *strip = find<TabStrip>("TabStrip1");
        const QStyleOptionTabWidgetFrame pane = strip->bodyOption();
        QImage whole(strip->size(), QImage::Format_ARGB32_Premultiplied);
        whole.fill(Qt::transparent);
        {
            QPainter painter(&whole);
            painter.fillRect(pane.rect, strip->palette().button());
            strip->style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter, strip);
        }
        const QImage banded = strip->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(banded.size(), whole.size());
        // Rows under the tabs only: the tab bar is drawn over the body's top.
        const int below = strip->tabBar()->geometry().bottom() + 1;
        for (int y = below; y < whole.height(); ++y) {
            for (int x = 0; x < whole.width(); ++x)
                QVERIFY2(banded.pixel(x, y) == whole.pixel(x, y), qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
        }
    }

    void growingShowsMoreGreyAndMovesNothing()
    {
        const QRect frame = find<QWidget>("Frame1")->geometry(), strip = find<QWidget>("TabStrip1")->geometry();
        window->showMaximized();
        window->resize(1200, 900);
        QCOMPARE(find<QWidget>("Frame1")->geometry(), frame);
        QCOMPARE(find<QWidget>("TabStrip1")->geometry(), strip);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
