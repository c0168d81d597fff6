// SPDX-License-Identifier: MIT

#include "angulon/version.h"
#include "core/chart.h"
#include "info/captionlabel.h"
#include "info/infowindow.h"
#include "shell/mainwindow.h"
#include "shell/tabstrip.h"
#include "ui/fonts.h"

#include <QAccessible>
#include <QAction>
#include <QBitmap>
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

namespace {

// The suite runs again under a German locale, where numbers carry a comma.
QString localised(QString text) { return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint()); }

// What a user does to the main window, found by the design's control names.
// Each step returns the Ui for the next, and fails the test if any panel but
// the selected tab's shows after it.
struct Ui {
    MainWindow *window;

    template <class T = QLineEdit>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QTabBar *tabs() const { return find<TabStrip>("TabStrip1")->tabBar(); }
    QWidget *panel(int tab) const { return find<QWidget>(QStringLiteral("Frame%1").arg(tab + 1)); }
    bool showsSelectedPanelOnly() const
    {
        return panel(0)->isVisible() + panel(1)->isVisible() + panel(2)->isVisible() == 1
               && panel(tabs()->currentIndex())->isVisible();
    }

    // Puts text into a field or an angle box, with the locale's separator.
    const Ui &type(const char *name, const char *text) const
    {
        return step([&] {
            if (auto *box = find<QComboBox>(name))
                box->setEditText(localised(text));
            else
                find(name)->setText(localised(text));
        });
    }
    // Clicks a push button or a unit button.
    const Ui &click(const char *name) const
    {
        return step([&] { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); });
    }
    // Clicks a unit's caption, and checks that its button has the focus then.
    const Ui &clickCaption(const char *name) const
    {
        return step([&] { QTest::mouseClick(find<QLabel>(name), Qt::LeftButton); }, find<QLabel>(name)->buddy());
    }
    // Clicks the tab at index (0 to 2).
    const Ui &clickTab(int index) const
    {
        return step([&] { QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(index).center()); });
    }
    // Presses an arrow key on the tab strip.
    const Ui &arrowOnStrip(Qt::Key key) const
    {
        return step([&] { QTest::keyClick(tabs(), key); });
    }
    // Commits text into a field as an input method does.
    const Ui &commit(const char *field, const QString &text) const
    {
        return step([&] {
            QInputMethodEvent event;
            event.setCommitString(text);
            QApplication::sendEvent(find(field), &event);
        });
    }
    // Presses Ctrl with each key in turn in a field: A then C copies its
    // text, A then V pastes over it what another program may have copied.
    const Ui &ctrl(const char *field, std::initializer_list<Qt::Key> keys, const QString &copied = {}) const
    {
        if (!copied.isEmpty())
            QApplication::clipboard()->setText(copied);
        return step([&] {
            for (const Qt::Key key : keys)
                QTest::keyClick(find(field), key, Qt::ControlModifier);
        });
    }

private:
    const Ui &step(const std::function<void()> &act, QWidget *focused = nullptr) const
    {
        act();
        if (!showsSelectedPanelOnly() || (focused && !focused->hasFocus()))
            QTest::qFail("another panel shows than the selected tab's, or the focus is elsewhere", __FILE__, __LINE__);
        return *this;
    }
};

// steps: what the user does on the row's tab first. press: a key and the
// control with the focus when it comes. result: the fields to read then, or
// "prompt".
struct Row {
    const char *name;
    int tab;
    void (*steps)(const Ui &);
    const char *press = "", *result = "", *expected = "";
};
constexpr auto nothing = [](const Ui &) {};
constexpr Row tabOrders[] = {
    {"sound path", 0, nothing, "", "T ANGLE_BOX Command1 A_B A_B_C Command3 opt_INCH"},
    {"sound path mm", 0, [](const Ui &ui) { ui.click("opt_MILLI"); }, "",
     "T ANGLE_BOX Command1 A_B A_B_C Command3 opt_MILLI"},
    {"surface travel", 1, nothing, "", "ANGLE_BOX_2 SP_TEXT Command2 SURFACE_TRAVEL Command5 opt_Inch2"},
    {"depth", 2, nothing, "", "opt_INCH3 Command6 DEPTH Command4 IND_SP A_B_SND_PATH MAT_T"}};
constexpr Row calculations[] = {
    {"sound path 45 mm", 0, [](const Ui &ui) { ui.type("T", "25").type("ANGLE_BOX", "45").click("opt_MILLI"); },
     "Space Command1", "A_B_C", "70.711 mm"},
    {"angle 30 doubles A-B", 0, [](const Ui &ui) { ui.type("T", "9").type("ANGLE_BOX", "30").type("A_B", "3"); },
     "Space Command1", "A_B_C", "6.000 in"},
    {"Return in typed angle", 0, [](const Ui &ui) { ui.type("T", "1").type("ANGLE_BOX", "30"); }, "Return ANGLE_BOX",
     "prompt", "Please Choose a Refracted Angle of 70, 60 or 45"},
    {"Enter in field", 1, [](const Ui &ui) { ui.type("SP_TEXT", "10"); }, "Num+Enter SP_TEXT", "SURFACE_TRAVEL",
     "9.396 in"},
    {"clear depth", 2,
     [](const Ui &ui) { ui.type("MAT_T", "20").type("A_B_SND_PATH", "40").type("IND_SP", "30").click("Command4"); },
     "Space Command6", "MAT_T A_B_SND_PATH IND_SP DEPTH", " |  |  | "},
    {"clear sound path", 0, [](const Ui &ui) { ui.type("T", "25").click("Command1"); }, "Space Command3", "A_B T A_B_C",
     " |  | "},
    {"clear keeps angle", 1, [](const Ui &ui) { ui.type("SP_TEXT", "10").type("ANGLE_BOX_2", "60").click("Command2"); },
     "Space Command5", "ANGLE_BOX_2 SP_TEXT SURFACE_TRAVEL", "60 |  | "},
    {"tabs keep fields", 0,
     [](const Ui &ui) {
         ui.type("T", "1").clickTab(1).type("SP_TEXT", "10").clickTab(2).clickTab(0).arrowOnStrip(Qt::Key_Right);
         ui.arrowOnStrip(Qt::Key_Left).arrowOnStrip(Qt::Key_Left).arrowOnStrip(Qt::Key_Right);
     },
     "Space Command2", "SURFACE_TRAVEL T", "9.396 in | 1"},
    {"paste a result (Help text)", 0,
     [](const Ui &ui) {
         ui.type("T", "25").click("opt_MILLI").click("Command1").ctrl("A_B_C", {Qt::Key_A, Qt::Key_C});
         ui.clickTab(1).ctrl("SP_TEXT", {Qt::Key_A, Qt::Key_V}).click("Option1");
     },
     "Space Command2", "SURFACE_TRAVEL", "137.369 mm"},
    {"Return in result", 2,
     [](const Ui &ui) { ui.type("MAT_T", "20").type("A_B_SND_PATH", "40").type("IND_SP", "50"); }, "Return DEPTH",
     "DEPTH", "15.000 in"},
    {"caption Millimeter", 0, [](const Ui &ui) { ui.type("T", "25").clickCaption("MILLI"); }, "Return T", "A_B",
     "73.099 mm"},
    {"caption Inch", 1, [](const Ui &ui) { ui.type("SP_TEXT", "10").click("Option1").clickCaption("Label23"); },
     "Return SP_TEXT", "SURFACE_TRAVEL", "9.396 in"},
    {"caption Millimeter on depth", 2,
     [](const Ui &ui) {
         ui.type("MAT_T", "20").type("A_B_SND_PATH", "40").type("IND_SP", "30").clickCaption("Label24");
     },
     "Return IND_SP", "DEPTH", "15.000 mm"},
    {"input method commit", 0, [](const Ui &ui) { ui.commit("T", QStringLiteral(u"\uff12\uff15")); }, "Return T",
     "prompt", "Please Enter the Material Thickness as a Number"},
    {"100,000 digits pasted", 1,
     [](const Ui &ui) {
         ui.ctrl("SP_TEXT", {Qt::Key_A, Qt::Key_V}, QString(100000, QLatin1Char('7')));
     },
     "Return SP_TEXT", "prompt", "Please Enter the Material Sound Path as a Number"},
    {"fraction and inch mark", 0, [](const Ui &ui) { ui.type("T", "1 1/2\""); }, "Return T", "A_B", "4.386 in"}};
// Results wider than their fields, in both units, Return pressed in a result field.
constexpr Row wideResults[] = {
    {"sound path in", 0, [](const Ui &ui) { ui.type("T", "4000"); }, "Return A_B"},
    {"depth mm", 2,
     [](const Ui &ui) { ui.type("MAT_T", "100000").type("A_B_SND_PATH", "40").type("IND_SP", "30").click("Option3"); },
     "Return DEPTH"}};

// Inputs longer than their fields: pasted, then left with Tab, or dropped in
// (the cursor at its end, no focus) before CALCULATE. result: the field.
constexpr Row longInputs[] = {{"sound path, Tab", 1, nothing, "Tab", "SP_TEXT", "1879.200 mm"},
                              {"depth thickness, Tab", 2, nothing, "Tab", "MAT_T", "12.7000 mm"},
                              {"dropped, CALCULATE", 0, nothing, "Command1", "T", "146.199 mm"}};

// Keys that switch panels: the key and the control with the focus, the
// control that has it then, and the panel shown. Shift+Tab comes as Backtab.
constexpr Row panelKeys[] = {
    {"Ctrl+Tab in a field", 0, nothing, "Ctrl+Tab T", "ANGLE_BOX_2", "1"},
    {"Ctrl+PgDn on the strip", 2, nothing, "Ctrl+PgDown TabStrip1Tabs", "TabStrip1Tabs", "0"},
    {"Ctrl+Shift+Tab in an angle box", 0, nothing, "Ctrl+Shift+Backtab ANGLE_BOX", "opt_INCH3", "2"},
    {"Ctrl+PgUp on a button", 1, nothing, "Ctrl+PgUp Command2", "T", "0"}};

template <std::size_t N>
void addRows(const Row (&rows)[N])
{
    QTest::addColumn<const Row *>("row");
    for (const Row &row : rows)
        QTest::newRow(row.name) << &row;
}

} // namespace

Q_DECLARE_METATYPE(const Row *)

// The main window as a user meets it, its prompts collected instead of shown.
class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    std::optional<Ui> user;
    QStringList prompts;

    // Shows the row's tab and takes its steps.
    void takeSteps(const Row &row) const
    {
        user->tabs()->setCurrentIndex(row.tab);
        row.steps(*user);
        QVERIFY(user->showsSelectedPanelOnly());
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
    // The picture (1 to 7, in the order they play) the window shows; 0 when empty.
    static int shownFrame(InfoWindow &w)
    {
        const QImage shown = w.findChild<QLabel *>("Image3")->pixmap().toImage();
        for (int n = 1; n <= 7 && !shown.isNull(); ++n) {
            if (shown.convertToFormat(QImage::Format_ARGB32)
                == QImage(QStringLiteral(":/pictures/frame%1.xpm").arg(n)).convertToFormat(QImage::Format_ARGB32))
                return n;
        }
        return shown.isNull() ? 0 : -1;
    }
    // A key as a keyboard delivers it, to the control named after it ("Ctrl+PgDown T",
    // "Num+Enter SP_TEXT": QKeySequence's names), which has the focus first.
    QWidget *press(const QString &keyAndControl) const
    {
        QWidget *target = user->find<QWidget>(keyAndControl.section(' ', 1));
        target->setFocus();
        const QKeyCombination key = QKeySequence(keyAndControl.section(' ', 0, 0))[0];
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        return target;
    }
    // The control with the focus, an angle box for its line edit.
    static QString focusedName()
    {
        const QWidget *focused = QApplication::focusWidget();
        const auto *box = qobject_cast<QComboBox *>(focused->parentWidget());
        return box ? box->objectName() : focused->objectName();
    }
    // The field is drawn from the start of its text: its first glyph stands
    // where a field holding only that glyph draws it.
    static void showsItsStart(QLineEdit *field)
    {
        QLineEdit lone(field->parentWidget());
        lone.setFont(field->font());
        lone.setPalette(field->palette());
        lone.setGeometry(field->geometry());
        const QImage blank = lone.grab().toImage();
        lone.setText(field->text().left(1));
        const QImage glyph = lone.grab().toImage();
        int inkEnd = 0; // one past the first glyph's last column of ink
        for (int x = 0; x < glyph.width(); ++x) {
            for (int y = 0; y < glyph.height(); ++y)
                inkEnd = glyph.pixel(x, y) != blank.pixel(x, y) ? x + 1 : inkEnd;
        }
        const auto start = [inkEnd](const QImage &image) { return image.copy(0, 0, inkEnd, image.height()); };
        lone.setText(field->text()); // a row where a cursor at the end would scroll
        QVERIFY2(inkEnd > 0 && start(lone.grab().toImage()) != start(glyph), qPrintable(field->text()));
        QCOMPARE(start(field->grab().toImage()), start(glyph));
    }
private slots:
    void initTestCase()
    {
#if defined(Q_OS_LINUX)
        ui::registerFontTwins();
#endif
        if (qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de_DE")))
            QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
    }
    void init()
    {
        window = std::make_unique<MainWindow>();
        window->setPrompter([this](const QString &text) { prompts << text; });
        user = Ui{window.get()};
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup()
    {
        window.reset();
        prompts.clear();
    }

    // At start the strip, with its three tabs, has the focus, and its
    // selected tab shows it.
    void startsOnSoundPath()
    {
        QVERIFY(user->showsSelectedPanelOnly() && user->tabs()->currentIndex() == 0);
        const QTabBar *tabs = user->tabs();
        QCOMPARE(QStringList({tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
                 QStringList({" Sound path ", " Surface Travel ", "Indication Depth"}));
        QCOMPARE(QApplication::focusWidget(), user->tabs());
        const QImage focused = user->tabs()->grab(user->tabs()->tabRect(0)).toImage();
        user->find("T")->setFocus(Qt::MouseFocusReason);
        QVERIFY(user->tabs()->grab(user->tabs()->tabRect(0)).toImage() != focused);
    }

    // The unit pair is one tab stop, at the checked button.
    void tabKeyFollowsDesignOrder_data() { addRows(tabOrders); }
    void tabKeyFollowsDesignOrder()
    {
        QFETCH(const Row *, row);
        takeSteps(*row);
        user->tabs()->setFocus();
        QStringList walk;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walk << focusedName();
        } while (QApplication::focusWidget() != user->tabs() && walk.size() < 20);
        QCOMPARE(walk.join(' '), row->result + QStringLiteral(" ") + user->tabs()->objectName());
    }

    // Ctrl+Tab and Ctrl+PgDn show the next panel, Ctrl+Shift+Tab and
    // Ctrl+PgUp the previous one, wrapping round, from any control; the focus
    // goes on into the panel shown, or stays on the strip.
    void keyboardSwitchesPanels_data() { addRows(panelKeys); }
    void keyboardSwitchesPanels()
    {
        QFETCH(const Row *, row);
        takeSteps(*row);
        press(row->press);
        QVERIFY(user->showsSelectedPanelOnly() && user->tabs()->currentIndex() == QString(row->expected).toInt());
        QCOMPARE(focusedName(), row->result);
    }

    // Return held down in a field or on CALCULATE calculates once, not once
    // for every repeat of the key: one prompt for an empty thickness.
    void heldReturnCalculatesOnce()
    {
        for (QWidget *target : {user->find<QWidget>("T"), user->find<QWidget>("Command1")}) {
            for (const bool repeat : {false, true, true, true}) {
                QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), repeat);
                QApplication::sendEvent(target, &held);
            }
            QCOMPARE(prompts.size(), 1);
            prompts.clear();
        }
    }

    // A prompt is a modal message box with the information icon, one button
    // and the prompt title.
    void promptIsAMessageBox()
    {
        MainWindow plain; // it shows its prompts itself
        plain.show();
        QString seen = "nothing";
        QTimer::singleShot(0, [&seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen = QStringLiteral("%1|%2|%3|%4")
                           .arg(box->windowTitle(), box->text())
                           .arg(box->icon())
                           .arg(box->buttons().size());
                box->buttons().constFirst()->click();
            }
        });
        QTest::keyClick(plain.findChild<QLineEdit *>("T"), Qt::Key_Return);
        QCOMPARE(seen, "Refrax|Please Enter the Material Thickness|1|1");
    }

    // CALCULATE writes results, or a prompt that changes no field; CLEAR
    // empties the panel. Pressed with Space on the button or Return in a
    // field, the focus stays where it was, and a typed angle never joins the list.
    void calculate_data() { addRows(calculations); }
    void calculate()
    {
        QFETCH(const Row *, row);
        takeSteps(*row);
        const QMap<QString, QString> before = fieldTexts();
        auto *typedIn = user->find(QString(row->press).section(' ', 1));
        const int cursor = typedIn ? typedIn->cursorPosition() : 0;
        QWidget *target = press(row->press);
        QCOMPARE(QApplication::focusWidget(), target);
        // The field the user is typing in keeps its cursor unless its text changed.
        QVERIFY(!typedIn || before[typedIn->objectName()] != typedIn->text() || typedIn->cursorPosition() == cursor);
        if (row->result == QLatin1String("prompt")) {
            QCOMPARE(prompts, QStringList{row->expected});
            QCOMPARE(fieldTexts(), before);
        } else {
            QStringList texts;
            for (const QString &field : QString(row->result).split(' '))
                texts << fieldTexts()[field];
            QCOMPARE(texts.join(" | "), localised(row->expected));
            QVERIFY(prompts.isEmpty());
        }
        for (const QComboBox *box : window->findChildren<QComboBox *>())
            QVERIFY(box->count() == 3
                    && QStringList({box->itemText(0), box->itemText(1), box->itemText(2)})
                           == QStringList({"70", "60", "45"}));
    }

    // A chart row is what an inspector reads doing the row by hand: the
    // thickness and angle in Sound Path, then A-B and A-B-C each copied from
    // their fields and pasted into Surface Travel, in the same unit.
    void chartMatchesTheWindow_data()
    {
        QTest::addColumn<QString>("thickness");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<bool>("inch");
        QTest::newRow("20 mm at 70") << "20"
                                     << "70" << false;
        QTest::newRow("25 mm at 60") << "25"
                                     << "60" << false;
        QTest::newRow("0.1 in at 45") << "0.1"
                                      << "45" << true;
        QTest::newRow("1.0625 in at 70") << "1.0625"
                                         << "70" << true;
        QTest::newRow("6.5 mm at 45") << "6.5"
                                      << "45" << false;
    }
    void chartMatchesTheWindow()
    {
        QFETCH(QString, thickness);
        QFETCH(QString, angle);
        QFETCH(bool, inch);
        const QString typed = localised(thickness);
        const char decimal = QLocale::system().decimalPoint().at(0).toLatin1();
        const auto chart = core::chartRows({.from = typed.toStdString(),
                                            .to = typed.toStdString(),
                                            .step = "1",
                                            .angles = {angle.toStdString()},
                                            .inch = inch,
                                            .decimal = decimal});
        QVERIFY(std::holds_alternative<std::vector<core::ChartRow>>(chart));
        const core::ChartRow row = std::get<std::vector<core::ChartRow>>(chart).at(0);
        const QString unit = inch ? QStringLiteral(" in") : QStringLiteral(" mm");

        user->type("T", qPrintable(thickness)).type("ANGLE_BOX", qPrintable(angle));
        user->click(inch ? "opt_INCH" : "opt_MILLI").click("Command1");
        const QString ab = user->find("A_B")->text();
        const QString abc = user->find("A_B_C")->text();
        QCOMPARE(ab, QString::fromStdString(row.abSoundPath) + unit);
        QCOMPARE(abc, QString::fromStdString(row.abcSoundPath) + unit);

        QStringList skips;
        for (const char *soundPath : {"A_B", "A_B_C"}) {
            user->clickTab(0).ctrl(soundPath, {Qt::Key_A, Qt::Key_C});
            user->clickTab(1).type("ANGLE_BOX_2", qPrintable(angle)).click(inch ? "opt_Inch2" : "Option1");
            user->ctrl("SP_TEXT", {Qt::Key_A, Qt::Key_V}).click("Command2");
            skips << user->find("SURFACE_TRAVEL")->text();
        }
        QCOMPARE(skips, QStringList({QString::fromStdString(row.halfSkip) + unit,
                                     QString::fromStdString(row.fullSkip) + unit}));
        QVERIFY(prompts.isEmpty());
    }

    // A result wider than its field shows its leading digits and the unit is
    // cut, in the field Return was pressed in as in the others.
    void resultShowsItsLeadingDigits_data() { addRows(wideResults); }
    void resultShowsItsLeadingDigits()
    {
        QFETCH(const Row *, row);
        takeSteps(*row);
        QWidget *pressed = press(row->press);
        for (QLineEdit *field : user->panel(row->tab)->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly)) {
            // The field with the focus draws its cursor and focus frame; it
            // scrolls to keep its cursor in view.
            if (field == pressed)
                QCOMPARE(field->cursorPosition(), 0);
            else if (field->accessibleDescription().startsWith(QLatin1String("Result")))
                showsItsStart(field);
        }
    }

    void inputShowsItsStart_data() { addRows(longInputs); }
    void inputShowsItsStart()
    {
        QFETCH(const Row *, row);
        takeSteps(*row);
        QLineEdit *field = user->find(row->result);
        if (row->press == QLatin1String("Tab")) {
            field->setFocus();
            QApplication::clipboard()->setText(localised(row->expected));
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            for (const auto reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) { // a moment's leave
                QFocusEvent leave(QEvent::FocusOut, reason);
                QApplication::sendEvent(field, &leave);
                QCOMPARE(field->cursorPosition(), field->text().size());
            }
            QTest::keyClick(field, Qt::Key_Tab);
        } else {
            user->type(row->result, row->expected).click(row->press);
        }
        QCOMPARE(field->text(), localised(row->expected));
        showsItsStart(field);
    }

    void informationWindows_data()
    {
        QTest::addColumn<int>("way");
        for (const int way : {0, 1, 2, 3})
            QTest::newRow(std::array{"About, OK", "Help, Return on OK", "About, Exit", "Help, close box"}[way]) << way;
    }

    // Alt+A or Alt+H opens its window, animated, with the focus on OK; Escape
    // does not close it, every way out stops the animation where it is. The
    // next opening shows the same window, its picture area empty, and goes
    // on in order, wrapping after the seventh picture.
    void informationWindows()
    {
        QFETCH(int, way);
        const bool help = way % 2;
        const auto open = [&] { QTest::keyClick(window.get(), help ? Qt::Key_H : Qt::Key_A, Qt::AltModifier); };
        InfoWindow *w = nullptr;
        for (const QList<int> &shown : {QList{0, 1, 2, 3, 4}, QList{0, 6, 7, 1}}) {
            open();
            QVERIFY(!w || w == (help ? window->helpWindow() : window->aboutWindow()));
            w = help ? window->helpWindow() : window->aboutWindow();
            QCOMPARE(w->objectName(), help ? "Help_1" : "About_1");
            auto *ok = w->findChild<QPushButton *>("Command1");
            QTest::keyClick(ok, Qt::Key_Escape);
            QVERIFY(w->isVisible() && w->findChild<QTimer *>()->isActive() && w->focusWidget() == ok);
            QVERIFY(!ok->fontInfo().italic()); // only the frame's caption is italic
            for (const int frame : shown) {
                QCOMPARE(shownFrame(*w), frame);
                w->showNextFrame();
            }
            if (way == 0)
                QTest::mouseClick(ok, Qt::LeftButton);
            else if (way == 1)
                QTest::keyClick(ok, Qt::Key_Return);
            else if (way == 2)
                w->findChild<QAction *>("Exit")->trigger();
            else
                w->close();
            QVERIFY(!w->isVisible() && !w->findChild<QTimer *>()->isActive());
        }
        QCOMPARE(w->findChild<QLabel *>("Image3")->size(), QSize(32, 32));
        open();
        user->find<QAction>("mnuEditBar0")->trigger(); // File Exit closes every window
        QVERIFY(!window->isVisible() && !w->isVisible());
    }

    // Whatever picture plays, the lines stay clear of it and inside the label,
    // the rows beside it starting right of it; read aloud, the text is its
    // lines without the padding, from the one that names the program.
    void textClearsPicture()
    {
        for (const auto kind : {InfoWindow::Kind::About, InfoWindow::Kind::Help}) {
            InfoWindow w(kind);
            w.open();
            auto *label = w.findChild<CaptionLabel *>("Label1");
            const QPoint offset = w.findChild<QLabel *>("Image3")->mapTo(&w, QPoint()) - label->mapTo(&w, QPoint());
            for (int n = 1; n <= 7; ++n) {
                w.showNextFrame();
                const QPixmap shown = w.findChild<QLabel *>("Image3")->pixmap();
                QVERIFY(label->pictureArea().contains(QRegion(shown.mask()).boundingRect().translated(offset)));
            }
            int besidePicture = 0;
            for (const CaptionLabel::Line &line : label->layoutLines()) {
                const bool twin = QFontInfo(label->font()).family() == QLatin1String("Tahoma"); // widths as designed
                QVERIFY2(line.text.isEmpty()
                             || (!line.box.intersects(label->pictureArea()) && line.box.bottom() < label->height()
                                 && (!twin || line.box.right() < label->width())),
                         qPrintable(line.text));
                besidePicture += !line.text.isEmpty() && line.box.left() > label->pictureArea().right();
            }
            QVERIFY(besidePicture > 0);
            QCOMPARE(label->layoutLines().size(), kind == InfoWindow::Kind::About ? 4 : 16); // blank lines included
            const QString heard = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            QVERIFY2(heard.startsWith(QLatin1String(angulon::displayName) + ' ') && !heard.contains("  "),
                     qPrintable(heard));
        }
    }
    // A screen reader hears each control of the shown panel by a name of its
    // own (Qt would lend unnamed ones the panel's caption) with a description;
    // the unit buttons show only a mark, so their names carry the unit, and
    // the caption beside each is heard as its label.
    void accessibleNames()
    {
        for (const int tab : {0, 1, 2}) {
            user->tabs()->setCurrentIndex(tab);
            QStringList names;
            for (QWidget *control : user->panel(tab)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(control);
                const QString name = heard->text(QAccessible::Name);
                if (qobject_cast<QLabel *>(control) || heard->state().invisible)
                    continue;
                const auto labels = heard->relations(QAccessible::Label); // the frame labels every control
                const bool captioned = std::any_of(labels.begin(), labels.end(), [&name](const auto &label) {
                    return label.first->text(QAccessible::Name) == name;
                });
                QVERIFY2(!name.isEmpty() && !names.contains(name) && !heard->text(QAccessible::Description).isEmpty()
                             && (!qobject_cast<QRadioButton *>(control)
                                 || ((name == "Inch" || name == "Millimeter") && captioned)),
                         qPrintable(control->objectName() + ": " + name));
                names << name;
            }
            QCOMPARE(names.size(), tab == 1 ? 7 : 8);
        }
    }

    // The 32 x 32 pixel art, on a screen scaled by a whole factor (CTest runs
    // this again with QT_SCALE_FACTOR=2), shows each pixel as a solid square
    // of its colour, never a smoothed blur.
    void picturesStaySharp()
    {
        QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
        window->aboutWindow()->showNextFrame(); // the first picture
        for (const QString picture : {"Picture1", "Picture2", "Picture3", "Image3"}) {
            const bool about = picture == QLatin1String("Image3");
            QWidget *shown = about ? static_cast<QWidget *>(window->aboutWindow()) : window.get();
            user->tabs()->setCurrentIndex(qMax(0, picture.back().digitValue() - 1));
            const int factor = qRound(shown->devicePixelRatioF());
            QVERIFY(qEnvironmentVariable("QT_SCALE_FACTOR") != QLatin1String("2") || factor == 2);
            const QImage image = shown->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage want = QImage(QStringLiteral(":/pictures/frame%1.xpm").arg(about ? 1 : 3));
            const QPoint at = shown->findChild<QLabel *>(picture)->mapTo(shown, QPoint()) * factor;
            for (int y = 0; y < 32 * factor; ++y) {
                for (int x = 0; x < 32 * factor; ++x) {
                    const QRgb pixel = want.pixel(x / factor, y / factor); // clear ones let the window show through
                    if (qAlpha(pixel) == 255 && image.pixel(at + QPoint(x, y)) != pixel)
                        QFAIL(qPrintable(QStringLiteral("%1: %2,%3").arg(picture).arg(x).arg(y)));
                }
            }
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
