#include "info/captionlabel.h"
#include "info/infowindow.h"

#include <QAction>
#include <QBitmap>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using Kind = InfoWindow::Kind;
using Closer = void (*)(InfoWindow &);
Q_DECLARE_METATYPE(InfoWindow::Kind)
Q_DECLARE_METATYPE(Closer)

namespace {

QImage normal(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }
// Frames are numbered 1 to 7 in the order they play.
QImage frameImage(int n) { return normal(QImage(QStringLiteral(":/pictures/frame%1.xpm").arg(n))); }
template <class T> T *child(InfoWindow &w, const char *name) { return w.findChild<T *>(QLatin1String(name)); }
QLabel *picture(InfoWindow &w) { return child<QLabel>(w, "Image3"); }
QTimer *timer(InfoWindow &w) { return child<QTimer>(w, "Timer1"); }
QPushButton *ok(InfoWindow &w) { return child<QPushButton>(w, "Command1"); }

// The frame (1 to 7) the picture area shows; 0 when empty, -1 for a stranger.
int shownFrame(InfoWindow &w)
{
    const QPixmap shown = picture(w)->pixmap();
    if (shown.isNull())
        return 0;
    for (int n = 1; n <= 7; ++n) {
        if (normal(shown.toImage()) == frameImage(n))
            return n;
    }
    return -1;
}

void step(InfoWindow &w, int ticks)
{
    while (ticks-- > 0)
        w.Timer1_Timer();
}

void kindRows()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("About") << Kind::About;
    QTest::newRow("Help") << Kind::Help;
}

const QStringList helpLines{
    "", "[Angulon 1.03] was designed to quickly and easily calculate the",
    "more complex triginometrey calculations performed in Shear", "Wave or Angle Beam UltraSonic Inspection.",
    "", "By simply entering the Material Thickness, and Refracted Angle the",
    "A-B and A-B-C Sound Path can be quickly calculated. Once that is",
    "determined the user can copy and paste the sound path into the",
    "Surface Travel Calculator, from that the Surface Travel can easily be",
    "calculated with a single click of the mouse.",
    "", "To determine Indication Depth, the Material Thickness, A-B Sound",
    "Path and Indication Sound Path are entered.",
    "", "[Angulon 1.03] also gives the user the option of Millimeter or Inch", "display.",
};

} // namespace

// Drives the About and Help windows by their handlers, keys and clicks.
class TestInfoWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The program maps Tahoma to this twin at start-up; the layout check
        // needs its widths.
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    }

    void framesAreDistinctIcons()
    {
        for (int a = 1; a <= 7; ++a) {
            QCOMPARE(frameImage(a).size(), QSize(32, 32));
            for (int b = a + 1; b <= 7; ++b)
                QVERIFY(frameImage(a) != frameImage(b));
        }
    }

    void playsFramesInOrder_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("ticks");
        for (Kind kind : {Kind::About, Kind::Help}) {
            for (int tick = 1; tick <= 8; ++tick)
                QTest::addRow("%s tick %d", kind == Kind::About ? "About" : "Help", tick) << kind << tick;
        }
    }

    void playsFramesInOrder()
    {
        QFETCH(Kind, kind);
        QFETCH(int, ticks);
        InfoWindow w(kind);
        w.open();
        QCOMPARE(shownFrame(w), 0);
        step(w, ticks);
        QCOMPARE(shownFrame(w), (ticks - 1) % 7 + 1);
        QCOMPARE(picture(w)->size(), QSize(32, 32)); // own size, not the designed 32 x 28
    }

    void reopeningContinues_data()
    {
        QTest::addColumn<int>("ticksBefore");
        QTest::addColumn<int>("firstAfter");
        QTest::newRow("never ticked") << 0 << 1;
        QTest::newRow("closed after three") << 3 << 4;
        QTest::newRow("closed after six") << 6 << 7;
        QTest::newRow("closed after seven") << 7 << 1;
        QTest::newRow("closed after ten") << 10 << 4;
    }

    void reopeningContinues()
    {
        QFETCH(int, ticksBefore);
        QFETCH(int, firstAfter);
        InfoWindow w(Kind::Help);
        w.open();
        step(w, ticksBefore);
        w.close();
        w.open();
        QCOMPARE(shownFrame(w), 0);
        step(w, 1);
        QCOMPARE(shownFrame(w), firstAfter);
    }

    void windowsKeepOwnCounters()
    {
        InfoWindow about(Kind::About), help(Kind::Help);
        about.open();
        step(about, 3);
        help.open();
        step(help, 5);
        about.close();
        help.close();
        about.open();
        help.open();
        step(about, 1);
        step(help, 1);
        QCOMPARE(shownFrame(about), 4);
        QCOMPARE(shownFrame(help), 6);
    }

    void closing_data()
    {
        QTest::addColumn<Closer>("closer");
        QTest::newRow("OK clicked") << Closer([](InfoWindow &w) { QTest::mouseClick(ok(w), Qt::LeftButton); });
        QTest::newRow("Space on OK") << Closer([](InfoWindow &w) { QTest::keyClick(ok(w), Qt::Key_Space); });
        QTest::newRow("Return on OK") << Closer([](InfoWindow &w) { QTest::keyClick(ok(w), Qt::Key_Return); });
        QTest::newRow("Exit command") << Closer([](InfoWindow &w) { child<QAction>(w, "Exit")->trigger(); });
        QTest::newRow("close box") << Closer([](InfoWindow &w) { w.close(); });
    }

    void closing()
    {
        QFETCH(Closer, closer);
        InfoWindow w(Kind::About);
        QVERIFY(!timer(w)->isActive());
        w.open();
        QVERIFY(timer(w)->isActive() && timer(w)->interval() == 150);
        step(w, 5);
        closer(w);
        QVERIFY(!w.isVisible());
        QVERIFY(!timer(w)->isActive());
        QCOMPARE(int(w.frameIndex()), 5);
    }

    void keyboard_data() { kindRows(); }

    void keyboard()
    {
        QFETCH(Kind, kind);
        InfoWindow w(kind);
        w.open();
        QList<QWidget *> focusable;
        for (QWidget *widget : w.findChildren<QWidget *>()) {
            if (widget->focusPolicy() != Qt::NoFocus)
                focusable << widget;
        }
        QCOMPARE(focusable, QList<QWidget *>{ok(w)});
        QCOMPARE(w.focusWidget(), ok(w));
        QTest::keyClick(ok(w), Qt::Key_Escape);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
    }

    void captions_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("ending");
        QTest::newRow("About") << Kind::About << QString(QString(139, ' ') + "I hope you find this program usefull.");
        QTest::newRow("Help") << Kind::Help << QString(QString(13, ' ') + "display.");
    }

    void captions()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, ending);
        InfoWindow w(kind);
        const QString caption = child<QLabel>(w, "Label1")->text();
        QCOMPARE(caption, InfoWindow::captionText(kind));
        QVERIFY(caption.endsWith(ending));
        QVERIFY(caption.at(caption.size() - ending.size() - 1) != ' '); // the whole run
        QCOMPARE(caption.indexOf(QStringLiteral("[Angulon 1.03] ")), kind == Kind::About ? 123 : 121);
        if (kind == Kind::Help)
            QCOMPARE(caption.size(), 1332);
    }

    void displayLines_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("lines");
        const QString s99(99, ' '), s100(100, ' ');
        QTest::newRow("two spaces end a line") << QString("a b  c") << QStringList{"a b", "c"};
        QTest::newRow("99 spaces") << QString("a" + s99 + "b") << QStringList{"a", "b"};
        QTest::newRow("100 spaces") << QString("a" + s100 + "b") << QStringList{"a", "", "b"};
        QTest::newRow("trailing run") << QString("a  b" + s100) << QStringList{"a", "b"};
        QTest::newRow("Help") << InfoWindow::captionText(Kind::Help) << helpLines;
        const QString about = InfoWindow::captionText(Kind::About);
        QTest::newRow("About") << about
                               << QStringList{"", about.trimmed().section("  ", 0, 0), "",
                                              "I hope you find this program usefull."};
    }

    void displayLines()
    {
        QFETCH(QString, caption);
        QFETCH(QStringList, lines);
        QCOMPARE(CaptionLabel::displayLines(caption), lines);
    }

    void textClearsPicture_data() { kindRows(); }

    void textClearsPicture()
    {
        QFETCH(Kind, kind);
        InfoWindow w(kind);
        w.open();
        auto *label = child<CaptionLabel>(w, "Label1");
        const QRect area = label->pictureArea();
        const QPoint offset = picture(w)->mapTo(&w, QPoint()) - label->mapTo(&w, QPoint());
        for (int n = 1; n <= 7; ++n) {
            step(w, 1);
            QVERIFY(area.contains(QRegion(picture(w)->pixmap().mask()).boundingRect().translated(offset)));
        }
        const bool twin = QFontInfo(label->font()).family() == QStringLiteral("Tahoma");
        int besidePicture = 0;
        for (const CaptionLabel::Line &line : label->layoutLines()) {
            if (line.text.isEmpty())
                continue;
            QVERIFY2(!line.box.intersects(area), qPrintable(line.text));
            QVERIFY2(line.box.bottom() < label->height(), qPrintable(line.text));
            QVERIFY2(!twin || line.box.right() < label->width(), qPrintable(line.text));
            besidePicture += line.box.left() > area.right();
        }
        QVERIFY(besidePicture > 0);
    }
};

QTEST_MAIN(TestInfoWindow)
#include "test_infowindow.moc"
