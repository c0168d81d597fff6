// SPDX-License-Identifier: MIT

#include "info/captionlabel.h"
#include "info/infowindow.h"
#include "ui/fonts.h"

#include <QAction>
#include <QBitmap>
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
QLabel *picture(InfoWindow &w) { return w.findChild<QLabel *>("Image3"); }
QTimer *timer(InfoWindow &w) { return w.findChild<QTimer *>("Timer1"); }
QPushButton *ok(InfoWindow &w) { return w.findChild<QPushButton *>("Command1"); }

// The frame (1 to 7) the picture area shows; 0 when empty, -1 for a stranger.
int shownFrame(InfoWindow &w)
{
    const QPixmap shown = picture(w)->pixmap();
    for (int n = 1; n <= 7 && !shown.isNull(); ++n) {
        if (normal(shown.toImage()) == frameImage(n))
            return n;
    }
    return shown.isNull() ? 0 : -1;
}

void step(InfoWindow &w, int ticks)
{
    while (ticks-- > 0)
        w.Timer1_Timer();
}

} // namespace

// Drives the About and Help windows by their handlers, keys and clicks.
class TestInfoWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The program maps Tahoma to its twin at start-up; the layout check
        // needs its widths.
        ui::registerFontTwins();
        // Telling the frames apart below needs seven different pictures.
        for (int a = 1; a <= 7; ++a) {
            for (int b = a + 1; b <= 7; ++b)
                QVERIFY(frameImage(a) != frameImage(b));
        }
    }

    // Each opening starts with an empty picture area, then plays the frames
    // in order at their own size (not the designed 32 x 28) and wraps.
    void playsFramesInOrder()
    {
        for (Kind kind : {Kind::About, Kind::Help}) {
            InfoWindow w(kind);
            w.open();
            QCOMPARE(shownFrame(w), 0);
            for (int tick = 1; tick <= 8; ++tick) {
                step(w, 1);
                QCOMPARE(shownFrame(w), (tick - 1) % 7 + 1);
                QCOMPARE(picture(w)->size(), QSize(32, 32));
            }
        }
    }

    void closing_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<Closer>("closer");
        QTest::newRow("OK clicked") << Kind::About
                                    << Closer([](InfoWindow &w) { QTest::mouseClick(ok(w), Qt::LeftButton); });
        QTest::newRow("Space on OK") << Kind::Help
                                     << Closer([](InfoWindow &w) { QTest::keyClick(ok(w), Qt::Key_Space); });
        QTest::newRow("Return on OK") << Kind::About
                                      << Closer([](InfoWindow &w) { QTest::keyClick(ok(w), Qt::Key_Return); });
        QTest::newRow("Exit command") << Kind::Help
                                      << Closer([](InfoWindow &w) { w.findChild<QAction *>("Exit")->trigger(); });
        QTest::newRow("close box") << Kind::About << Closer([](InfoWindow &w) { w.close(); });
    }

    // Only OK takes the focus, and has it on opening; Escape does not close
    // the window, every other way out does, stopping the animation where it
    // is: the next opening starts empty and continues from there.
    void closing()
    {
        QFETCH(Kind, kind);
        QFETCH(Closer, closer);
        InfoWindow w(kind);
        QVERIFY(!timer(w)->isActive());
        w.open();
        QVERIFY(timer(w)->isActive());
        QList<QWidget *> focusable = w.findChildren<QWidget *>();
        focusable.removeIf([](const QWidget *widget) { return widget->focusPolicy() == Qt::NoFocus; });
        QCOMPARE(focusable, QList<QWidget *>{ok(w)});
        QCOMPARE(w.focusWidget(), ok(w));
        QTest::keyClick(ok(w), Qt::Key_Escape);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        step(w, 5);
        closer(w);
        QVERIFY(!w.isVisible());
        QVERIFY(!timer(w)->isActive());
        QCOMPARE(int(w.frameIndex()), 5);
        w.open();
        QCOMPARE(shownFrame(w), 0);
        step(w, 3);
        QCOMPARE(shownFrame(w), 1); // frames 6, 7, then 1
    }

    // Two spaces end a line, a hundred add an empty one; a leading run is an
    // empty first line and a trailing run ends the text.
    void displayLines()
    {
        const QString s99(99, ' '), s100(100, ' ');
        QCOMPARE(CaptionLabel::displayLines("a b  c"), (QStringList{"a b", "c"}));
        QCOMPARE(CaptionLabel::displayLines("a" + s99 + "b"), (QStringList{"a", "b"}));
        QCOMPARE(CaptionLabel::displayLines("a" + s100 + "b"), (QStringList{"a", "", "b"}));
        QCOMPARE(CaptionLabel::displayLines("   a  b" + s100), (QStringList{"", "a", "b"}));
    }

    // The captions as built from their runs of spaces: the Help text's
    // length, and the lines both texts show.
    void captions()
    {
        const QString help = InfoWindow::captionText(Kind::Help);
        QCOMPARE(help.size(), 1332);
        const QStringList helpLines = CaptionLabel::displayLines(help);
        QCOMPARE(helpLines.size(), 16);
        QCOMPARE(helpLines.mid(13),
                 (QStringList{"", "[Angulon 1.03] also gives the user the option of Millimeter or Inch", "display."}));
        const QStringList aboutLines = CaptionLabel::displayLines(InfoWindow::captionText(Kind::About));
        QCOMPARE(aboutLines.size(), 4);
        QVERIFY(aboutLines.at(1).startsWith("[Angulon 1.03]"));
        QCOMPARE(aboutLines.last(), QStringLiteral("I hope you find this program usefull."));
    }

    // Whatever frame plays, the text's lines stay clear of it and inside the
    // label, and the rows beside the picture start right of it.
    void textClearsPicture()
    {
        for (Kind kind : {Kind::About, Kind::Help}) {
            InfoWindow w(kind);
            w.open();
            auto *label = w.findChild<CaptionLabel *>("Label1");
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
    }
};

QTEST_MAIN(TestInfoWindow)
#include "test_infowindow.moc"
