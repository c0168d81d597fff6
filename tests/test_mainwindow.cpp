// SPDX-License-Identifier: MIT

#include "angulon/version.h"
#include "core/anglefactors.h"
#include "core/description.h"
#include "core/fieldrules.h"
#include "info/captionlabel.h"
#include "info/infowindow.h"
#include "shell/locatewindow.h"
#include "shell/mainwindow.h"
#include "ui/fonts.h"

#include <QtTest>
#include <QtWidgets>

namespace {

using core::PanelDescription;
using Texts = std::vector<std::string>;
constexpr auto argb = QImage::Format_ARGB32; // pictures compare pixel by pixel in it

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
// The suite runs again under a German locale, where numbers carry a comma.
QString localised(std::string_view text) { return qs(text).replace('.', QLocale::system().decimalPoint()); }
// The prompt for a thickness that is not a number.
const std::string thicknessNaN =
    std::get<core::Prompt>(core::takeInput("?", core::names::thickness, core::Unit::Inch, '.')).text;

const PanelDescription &sp = core::calculatorPanels()[0], &st = core::calculatorPanels()[1],
                       &dp = core::calculatorPanels()[2];
int tabOf(const PanelDescription &panel) { return int(&panel - core::calculatorPanels().data()); }

// A control of a row's panel: a field by its place in the panel's description
// (0 the first), or one of these.
enum Control { Strip = -7, MillimetreCaption, InchCaption, Millimetre, Inch, Clear, Calculate };
std::string_view nameOf(const PanelDescription &panel, int control)
{
    const std::string_view names[]{
        "TabStrip1Tabs",  panel.millimetre.captionName, panel.inch.captionName, panel.millimetre.name, panel.inch.name,
        panel.clear.name, panel.calculate.name};
    return control < 0 ? names[control - Strip] : panel.fields[std::size_t(control)].name;
}

// clang-format off
// CALCULATE and CLEAR as a user runs them: the panel's tab clicked, texts
// put into its fields ("" leaves one as it is), clicks (a caption's left
// click gives its button the focus, no other click chooses), then a key held down on a control reached
// by Tab. That control keeps the focus, a field or angle box its cursor and
// selection too unless its text changed; the panel's other fields show the
// start of their text. A prompt comes once; pressed in a field, it asks for
// what the field's tooltip asks for.
// shown: every field's text afterwards; button: the clicks'
struct Calculation { const char *name; const PanelDescription &panel; Texts typed; std::vector<int> clicks;
    Qt::Key key; int at; Texts shown; std::string prompt = {}; Qt::MouseButton button = Qt::LeftButton; };
const Calculation calculations[] = {
    {"dropped in, 45 mm", sp, {"146.199 mm", "45"}, {Millimetre}, Qt::Key_Space, Calculate, {"146.199 mm", "45", "206.759 mm", "413.517 mm"}},
    {"fraction and inch mark", sp, {"1 1/2\""}, {}, Qt::Key_Return, 0, {"1 1/2\"", "70", "4.386 in", "8.772 in"}},
    {"caption Inch, keypad Enter", st, {"10"}, {Millimetre, InchCaption}, Qt::Key_Enter, 0, {"10", "70", "9.396 in"}},
    {"Return in a wide result", dp, {"100000", "40", "50"}, {}, Qt::Key_Return, 3, {"100000", "40", "50", "75000.000 in"}},
    {"wide results mm", sp, {"4000"}, {Millimetre}, Qt::Key_Return, 2, {"4000", "70", "11695.906 mm", "23391.813 mm"}},
    {"caption Millimeter", sp, {"25"}, {MillimetreCaption}, Qt::Key_Return, 0, {"25", "70", "73.099 mm", "146.199 mm"}},
    {"right click on Millimeter", dp, {"20", "40", "30"}, {MillimetreCaption}, Qt::Key_Return, 2, {"20", "40", "30", "15.000 in"}, "", Qt::RightButton},
    {"CLEAR surface travel", st, {"10", "45", "3"}, {}, Qt::Key_Space, Clear, {"", "45", ""}},
    {"Return in an angle box", sp, {"25", "60"}, {}, Qt::Key_Return, 1, {"25", "60", "50.000 in", "100.000 in"}},
    {"letters for the thickness on depth", dp, {"x", "40", "30"}, {}, Qt::Key_Return, 0, {"x", "40", "30", ""}, thicknessNaN},
    {"typed angle", sp, {"1", "30"}, {}, Qt::Key_Return, 1, {"1", "30", "", ""}, core::prompts::angle()},
    {"full-width digits, Return on CALCULATE", sp, {"\uff12\uff15"}, {}, Qt::Key_Return, Calculate, {"\uff12\uff15", "70", "", ""}, thicknessNaN},
};

// Tab walks the shown panel in the design's order from the strip round to
// it, the unit pair one stop: the button checked (here after a click). A
// screen reader hears each control by a name of its own (Qt would lend
// unnamed ones the panel's caption) with a description; the unit buttons
// show only a mark, so their names carry the unit, and the caption beside
// each is heard as its label. Ctrl+Tab and Ctrl+PgDn show the next panel,
// Ctrl+Shift+Tab and Ctrl+PgUp the previous one, wrapping round, from any
// control, with the focus in the panel's first input, which kept its text,
// selected so that typing replaces it; the arrow keys on the strip move only
// its tab; Shift+Tab goes back in the panel. A long input pasted shows its start once left so, but not after a
// moment's leave (a context menu, another window).
// From the control at, each key moves the focus to the next control of order.
struct Walk { const char *name; const PanelDescription &from; std::vector<int> clicks; int at; QKeyCombination key;
    const PanelDescription &to; std::vector<int> order; };
const Walk walks[] = {
    {"sound path", sp, {}, Strip, Qt::Key_Tab, sp, {0, 1, Calculate, 2, 3, Clear, Inch, Strip}},
    {"sound path, millimetres", sp, {Millimetre}, Strip, Qt::Key_Tab, sp, {0, 1, Calculate, 2, 3, Clear, Millimetre, Strip}},
    {"surface travel", st, {}, Strip, Qt::Key_Tab, st, {1, 0, Calculate, 2, Clear, Inch, Strip}},
    {"indication depth, backwards", dp, {}, Strip, Qt::Key_Tab, dp, {Inch, Clear, 3, Calculate, 2, 1, 0, Strip}},
    {"Ctrl+Tab in a field", sp, {}, 0, Qt::CTRL | Qt::Key_Tab, st, {0}},
    {"Ctrl+PgDn on the strip, round", dp, {}, Strip, Qt::CTRL | Qt::Key_PageDown, sp, {0}},
    {"Ctrl+Shift+Tab in an angle box, round", sp, {}, 1, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, dp, {0}},
    {"Ctrl+PgUp on a button", st, {}, Calculate, Qt::CTRL | Qt::Key_PageUp, sp, {0}},
    {"Right on the strip", sp, {}, Strip, Qt::Key_Right, st, {Strip}},
    {"Shift+Tab in a field", st, {}, 0, Qt::SHIFT | Qt::Key_Backtab, st, {1}},
};

// The Locate window, from the menu bar's Alt+L: a plate located in inches,
// then the row's inputs (in millimetres unless inch) and a key on a control.
// The fields read what the core's command gives, the results starting as
// written, or as they were after a prompt naming the field; the drawing shows
// the reflector in red, then a bare frame after CLEAR, and is kept by a prompt.
struct Locating { const char *name; Texts typed; bool inch; Qt::Key key; int at; Texts results; };
const Locating locatings[] = {
    {"reaching pipe, Return in the path", {"200", "20", "45", "35"}, false, Qt::Key_Return, 3, {"2", "19.188 mm", "31.736 mm", "Reaches the inside wall"}},
    {"missing beam, CALCULATE", {"100", "20", "45", "60"}, false, Qt::Key_Space, Calculate, {"1", "6.903 mm", "69.707 mm", "Misses the inside wall"}},
    {"plate at 68.5, Return in the angle box", {"", "1", "68.5", "3"}, true, Qt::Key_Return, 2, {"2", "0.900 in", "2.791 in", "Flat plate"}},
    {"letters for the wall prompt", {"200", "x", "45", "35"}, false, Qt::Key_Return, 1, {"1", "0.342 in", "0.940 in", "Flat plate"}},
    {"CLEAR keeps the angle", {"200", "20", "68.5", "35"}, true, Qt::Key_Space, Clear, {"", "", "", ""}},
};
// clang-format on

// One QtTest row per table row, by its name.
template <class Row, std::size_t n>
void addRows(const Row (&table)[n])
{
    QTest::addColumn<const Row *>("row");
    for (const Row &row : table)
        QTest::newRow(row.name) << &row;
}

} // namespace

Q_DECLARE_METATYPE(const Calculation *)
Q_DECLARE_METATYPE(const Walk *)
Q_DECLARE_METATYPE(const Locating *)

// The main window as a user meets it, its prompts collected instead of shown.
class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QStringList prompts;

    template <class T = QWidget>
    T *find(const PanelDescription &p, int control) const
    {
        const QWidget *in = &p == &core::locatePanel() ? static_cast<QWidget *>(window->locateWindow()) : window.get();
        return in->findChild<T *>(qs(nameOf(p, control)));
    }
    QTabBar *tabs() const { return find<QTabBar>(sp, Strip); }
    // The panel's tab is selected and its panel alone shows.
    bool showsAlone(const PanelDescription &panel) const
    {
        return tabs()->currentIndex() == tabOf(panel) && std::ranges::all_of(core::calculatorPanels(), [&](auto &each) {
                   return window->findChild<QWidget *>(qs(each.name))->isVisible() == (&each == &panel);
               });
    }
    // Clicks the panel's tab, then the controls: a caption's left click gives its button the focus.
    void clickTab(const PanelDescription &panel, const std::vector<int> &clicks, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(tabOf(panel)).center());
        for (const int control : clicks) {
            QTest::mouseClick(find(panel, control), b);
            if (const auto *caption = find<QLabel>(panel, control); caption && b == Qt::LeftButton)
                QVERIFY(caption->buddy()->hasFocus());
        }
        QVERIFY(showsAlone(panel));
    }
    // A field's or an angle box's line edit.
    QLineEdit *edit(const PanelDescription &panel, int field) const
    {
        auto *box = find<QComboBox>(panel, field);
        return box ? box->lineEdit() : find<QLineEdit>(panel, field);
    }
    // Fills the fields as a drop does, the cursor at the end and no focus.
    void type(const PanelDescription &panel, const Texts &texts)
    {
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (!texts[i].empty())
                edit(panel, int(i))->setText(localised(texts[i]));
    }
    static void send(QWidget *to, QEvent &&event) { QApplication::sendEvent(to, &event); }
    // Sends the key's releases and presses flagged as repeats, as X11 sends a key held down.
    static void repeat(QWidget *to, int key, int events)
    {
        for (int i = 0; i < events; ++i)
            send(to, QKeyEvent(i % 2 ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, QString(), true));
    }
    static QImage picture(const QString &name) { return QImage(":/pictures/" + name + ".xpm").convertToFormat(argb); }
    // The picture (1 to 7, in the order they play) the window shows; 0 when none.
    static int shownFrame(InfoWindow &w)
    {
        const QImage shown = w.findChild<QLabel *>("Image3")->pixmap().toImage().convertToFormat(argb);
        for (int n = 7;; --n)
            if (n == 0 || shown == picture(QStringLiteral("frame%1").arg(n)))
                return n;
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
        prompts.clear();
        window = std::make_unique<MainWindow>();
        if (QTest::currentTestFunction() != QLatin1String("promptIsAMessageBox")) // it shows its prompts itself
            window->setPrompter([this](const QString &text) { prompts << text; });
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // At start the strip, its tabs as the descriptions write them, has the
    // focus, and its selected tab shows it. The title bar and the taskbar
    // show each size of the icon as drawn, not shrunk.
    void startsOnSoundPath()
    {
        for (const PanelDescription &panel : core::calculatorPanels())
            QCOMPARE(tabs()->tabText(tabOf(panel)), qs(panel.tab));
        QCOMPARE(QApplication::focusWidget(), tabs());
        const MainWindow unshown; // the strip has it before Qt could choose a control
        QCOMPARE(unshown.focusWidget(), unshown.findChild<QTabBar *>(qs(nameOf(sp, Strip))));
        const QImage focused = tabs()->grab(tabs()->tabRect(0)).toImage();
        find(sp, 0)->setFocus(Qt::MouseFocusReason);
        QVERIFY(tabs()->grab(tabs()->tabRect(0)).toImage() != focused);
        for (QImage drawn : {picture("frame3_16"), picture("frame3_24"), picture("frame3"), picture("frame3_48")})
            QCOMPARE(window->windowIcon().pixmap(drawn.size(), 1.0).toImage().convertToFormat(argb), drawn);
    }

    void calculates_data() { addRows(calculations); }
    void calculates()
    {
        QFETCH(const Calculation *, row);
        type(row->panel, row->typed);
        clickTab(row->panel, row->clicks, row->button);
        QWidget *at = find(row->panel, row->at);
        at->setFocus(Qt::TabFocusReason);                                          // a field's text selected
        QLineEdit none, *typed = row->at >= 0 ? edit(row->panel, row->at) : &none; // a field's or angle box's
        const auto place = [typed] { return QString::number(typed->cursorPosition()) + '|' + typed->selectedText(); };
        const QString before = typed->text(), kept = place();
        QTest::keyPress(at, row->key);
        repeat(at, row->key, 6);
        QTest::keyRelease(at, row->key);
        QVERIFY(at->hasFocus());
        for (int i = 0; i < int(row->shown.size()); ++i) {
            QCOMPARE(edit(row->panel, i)->text(), localised(row->shown[i]));
            if (const auto *field = find<QLineEdit>(row->panel, i); field && field != typed) // not an angle box
                QCOMPARE(field->cursorPosition(), 0);
        }
        QCOMPARE(place(), typed->text() != before ? "0|" : kept);
        QCOMPARE(prompts, row->prompt.empty() ? QStringList() : QStringList(qs(row->prompt)));
        QVERIFY(prompts.isEmpty() || prompts[0].contains(typed->toolTip()));
        for (const QComboBox *box : window->findChildren<QComboBox *>())
            for (std::size_t i = 0; i <= core::angleTable.size(); ++i) // and nothing more
                QCOMPARE(box->itemText(int(i)), i < core::angleTable.size() ? qs(core::angleTable[i].text) : "");
    }

    void movesFocus_data() { addRows(walks); }
    void movesFocus()
    {
        QFETCH(const Walk *, row);
        using enum QAccessible::Text;
        type(row->to, {"25"});
        clickTab(row->from, row->clicks);
        QWidget *at = find(row->from, row->at);
        at->setFocus();
        auto *left = qobject_cast<QLineEdit *>(at);
        QApplication::clipboard()->setText(localised("1879.200 mm"));
        QTest::keyClick(at, Qt::Key_V, Qt::ControlModifier); // pasted in a field, the cursor at its end
        for (const auto reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason})
            send(at, QFocusEvent(QEvent::FocusOut, reason));
        QVERIFY(!left || left->cursorPosition() == left->text().size());
        QStringList names;
        for (const int control : row->order) {
            QTest::keyClick(QApplication::focusWidget(), row->key.key(), row->key.keyboardModifiers());
            QVERIFY(showsAlone(row->to) && find(row->to, control)->hasFocus());
            QVERIFY(!left || left->cursorPosition() == 0); // a walk starts on the strip
            QVERIFY(control != 0 || edit(row->to, 0)->selectedText() == "25");
            if (control == Strip)
                continue;
            auto *heard = QAccessible::queryAccessibleInterface(find(row->to, control));
            const QString name = heard->text(Name);
            const bool captioned = std::ranges::any_of(heard->relations(QAccessible::Label), // the frame's too
                                                       [&](auto label) { return label.first->text(Name) == name; });
            const auto unit = qs(core::unitCaption(control == Inch ? core::Unit::Inch : core::Unit::Millimetre));
            QVERIFY(!name.isEmpty() && !names.contains(name) && !heard->text(Description).isEmpty()
                    && ((control != Inch && control != Millimetre) || (name == unit && captioned)));
            names << name;
        }
    }

    // A prompt is a modal message box with the information icon, one button
    // and the prompt title. The repeats of the Return held since it was asked
    // for leave it up, a new press closes it; the next Return in the field
    // calculates even flagged as a repeat, as under Wine, which loses the
    // closing release.
    void promptIsAMessageBox()
    {
        QWidget *at = find(dp, 0);
        tabs()->setCurrentIndex(tabOf(dp));
        QString seen = "nothing";
        QTimer::singleShot(0, [&seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                repeat(box->buttons().constFirst(), Qt::Key_Return, 6);
                seen = box->windowTitle() + '|' + box->text()
                       + QString::asprintf("|%d|%d|%d", box->icon(), int(box->buttons().size()), box->isVisible());
                QTest::keyPress(box->buttons().constFirst(), Qt::Key_Return);
            }
        });
        at->setFocus();
        QTest::keyPress(at, Qt::Key_Return);
        QCOMPARE(seen, QStringLiteral("%1|%2|1|1|1").arg("Refrax", core::missingDepthInput));
        type(dp, {"20", "40", "30"});
        repeat(at, Qt::Key_Return, 2);
        QCOMPARE(edit(dp, 3)->text(), localised("15.000 in"));
    }

    void informationWindows_data()
    {
        QTest::addColumn<int>("way");
        for (const int way : {0, 1, 2, 3})
            QTest::newRow(std::array{"About, OK", "Help, Return on OK", "About, Exit", "Help, close box"}[way]) << way;
    }
    // Alt+A or Alt+H opens its window, animated, with the focus on OK; Escape
    // does not close it, opening it again lets it play on, every way out
    // stops the animation where it is. The next opening shows the same
    // window, its picture area empty, and goes on in order, wrapping after the
    // seventh picture. Whatever picture plays, the lines stay clear of it and
    // inside the label, the rows beside it starting right of it; read aloud,
    // the text is its lines without the padding, from the one that names the
    // program.
    void informationWindows()
    {
        QFETCH(int, way);
        const bool help = way % 2;
        InfoWindow *w = nullptr;
        for (const QList<int> &shown : {QList{0, 1, 2, 3, 4}, QList{0, 6, 7, 1}}) {
            QTest::keyClick(window.get(), help ? Qt::Key_H : Qt::Key_A, Qt::AltModifier);
            w = help ? window->helpWindow() : window->aboutWindow();
            QCOMPARE(w->objectName(), help ? "Help_1" : "About_1");
            auto *ok = w->findChild<QPushButton *>("Command1");
            QTest::keyClick(ok, Qt::Key_Escape);
            QVERIFY(w->isVisible() && w->findChild<QTimer *>()->isActive() && w->focusWidget() == ok);
            QVERIFY(!ok->fontInfo().italic()); // only the frame's caption is italic
            const auto *image = w->findChild<QLabel *>("Image3");
            auto *label = w->findChild<CaptionLabel *>("Label1");
            for (const int frame : shown) {
                QCOMPARE(shownFrame(*w), frame);
                w->showNextFrame();
                w->open(); // open already
                const QRect painted = QRegion(image->pixmap().mask()).boundingRect();
                QVERIFY(label->pictureArea().contains(painted.translated(image->pos() - label->pos())));
            }
            QCOMPARE(w->findChild<QTimer *>()->interval(), 150); // a picture every 150 ms
            QCOMPARE(image->size(), QSize(32, 32));
            const bool twin = QFontInfo(label->font()).family() == QLatin1String("Tahoma"); // widths as designed
            int besidePicture = 0;
            QString text;
            for (const CaptionLabel::Line &line : label->layoutLines()) {
                text += line.text + '\n';
                QVERIFY(line.text.isEmpty()
                        || (!line.box.intersects(label->pictureArea()) && line.box.bottom() < label->height()
                            && (!twin || line.box.right() < label->width())));
                besidePicture += !line.text.isEmpty() && line.box.left() > label->pictureArea().right();
            }
            // paragraphs a blank line apart
            QVERIFY(besidePicture > 0 && text.contains(QRegularExpression("\\S\n\n\\S")));
            const QString heard = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            QVERIFY(heard.startsWith(QLatin1String(angulon::displayName) + ' ') && !heard.contains("  "));
            const std::array<std::function<void()>, 4> ways{
                [&] { QTest::mouseClick(ok, Qt::LeftButton); }, [&] { QTest::keyClick(ok, Qt::Key_Return); },
                [&] { w->findChild<QAction *>("Exit")->trigger(); }, [&] { w->close(); }};
            ways[way]();
            QVERIFY(!w->isVisible() && !w->findChild<QTimer *>()->isActive());
        }
        QTest::keyClick(window.get(), help ? Qt::Key_H : Qt::Key_A, Qt::AltModifier);
        window->findChild<QAction *>("mnuEditBar0")->trigger(); // File Exit closes every window
        QVERIFY(!window->isVisible() && !w->isVisible());
    }

    void locates_data() { addRows(locatings); }
    void locates()
    {
        QFETCH(const Locating *, row);
        const PanelDescription &lp = core::locatePanel();
        QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier);
        LocateWindow *w = window->locateWindow();
        QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier); // again, the same window
        QVERIFY(w == window->locateWindow() && QTest::qWaitForWindowActive(w));
        for (const auto &f : lp.fields) // named, captioned and read-only as described
            QVERIFY(w->findChild<QWidget *>(qs(f.name))->toolTip() == qs(f.tooltip)
                    && w->findChild<QWidget *>(qs(f.name))->property("readOnly").toBool()
                           == (f.role == core::Role::Result)
                    && w->findChild<QLabel *>(qs(f.captionName))->text() == qs(f.caption));
        for (const int control : std::initializer_list<int>{1, 2, 3, Calculate, 4, 5, 6, 7, Clear, Inch, 0}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // from the first field, round
            QVERIFY(find(lp, control)->hasFocus());
        }
        const auto texts = [&] {
            Texts t; // the setup's lines last
            for (int i = 0; i < 7; ++i)
                t.push_back(edit(lp, i)->text().toStdString());
            return t.emplace_back(find<QPlainTextEdit>(lp, 7)->toPlainText().toStdString()), t;
        };
        QWidget *drawing = w->findChild<QWidget *>("LOC_DRAWING");
        const QImage blank = drawing->grab().toImage(); // all grey but the reflector's red
        type(lp, {"", "0.5", "70", "1"});
        QTest::keyClick(find(lp, 3), Qt::Key_Return);
        const QImage first = drawing->grab().toImage();
        QVERIFY(blank.allGray() && !first.allGray());
        if (!row->inch)
            QTest::mouseClick(find(lp, Millimetre), Qt::LeftButton);
        type(lp, row->typed);
        const Texts before = texts();
        const char decimal = QLocale::system().decimalPoint().at(0).toLatin1();
        const auto outcome = (row->at == Clear ? lp.runClear : lp.runCalculate)(before, row->inch, decimal);
        const auto *prompt = std::get_if<core::Prompt>(&outcome);
        find(lp, row->at)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(find(lp, row->at), row->key);
        QVERIFY(texts() == (prompt ? before : std::get<Texts>(outcome)));
        for (int i = 0; i < 4; ++i)
            QVERIFY(qs(texts()[4 + i]).startsWith(localised(row->results[i])));
        QCOMPARE(prompts, prompt ? QStringList(qs(prompt->text)) : QStringList());
        QVERIFY(!prompt || prompts[0].contains(find(lp, row->at)->toolTip()));
        const QImage shown = drawing->grab().toImage();
        QVERIFY((shown == blank) == (row->at == Clear) && (shown == first) == bool(prompt)
                && shown.allGray() == (row->at == Clear));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    // The 32 x 32 pixel art, on a screen scaled by a whole factor (CTest runs
    // this again with QT_SCALE_FACTOR=2), shows each pixel as a solid square
    // of its colour, never a smoothed blur.
    void picturesStaySharp()
    {
        for (const QString name : {"Picture1", "Picture2", "Picture3"}) {
            tabs()->setCurrentIndex(name.back().digitValue() - 1);
            QVERIFY(qEnvironmentVariable("QT_SCALE_FACTOR") != "2" || qRound(window->devicePixelRatioF()) == 2);
            const QImage drawn =
                window->findChild<QLabel *>(name)->grab(QRect(0, 0, 32, 32)).toImage().convertToFormat(argb);
            QImage sharp = drawn; // the clear pixels let the background show through
            QPainter(&sharp).drawImage(QRect(0, 0, 32, 32), picture("frame3"));
            QCOMPARE(drawn, sharp);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
