// SPDX-License-Identifier: MIT

#include "info/captionlabel.h"
#include "info/infowindow.h"
#include "ui/fonts.h"

#include <QAccessible>
#include <QAction>
#include <QBitmap>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The About and Help windows, driven by their handlers, keys and clicks.
class InfoWindowTest : public QObject {
    Q_OBJECT

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

private slots:
    void initTestCase() { ui::registerFontTwins(); }

    void closing_data()
    {
        QTest::addColumn<int>("way");
        int way = 0;
        for (const char *name : {"OK clicked", "Return on OK", "Exit command", "close box"})
            QTest::newRow(name) << way++;
    }

    // Escape does not close the window; every way out stops the animation
    // where it is, and the next opening starts with an empty picture area,
    // then continues in order, wrapping after the seventh picture.
    void closing()
    {
        QFETCH(int, way);
        InfoWindow w(way % 2 ? InfoWindow::Kind::Help : InfoWindow::Kind::About);
        auto *ok = w.findChild<QPushButton *>("Command1");
        w.open();
        QCOMPARE(w.focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Escape);
        QVERIFY(w.isVisible() && w.findChild<QTimer *>("Timer1")->isActive());
        for (const int frame : {0, 1, 2, 3, 4}) {
            QCOMPARE(shownFrame(w), frame);
            w.Timer1_Timer();
        }
        if (way == 0)
            QTest::mouseClick(ok, Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(ok, Qt::Key_Return);
        else if (way == 2)
            w.findChild<QAction *>("Exit")->trigger();
        else
            w.close();
        QVERIFY(!w.isVisible() && !w.findChild<QTimer *>("Timer1")->isActive());
        w.open();
        for (const int frame : {0, 6, 7, 1}) {
            QCOMPARE(shownFrame(w), frame);
            w.Timer1_Timer();
        }
        QCOMPARE(w.findChild<QLabel *>("Image3")->size(), QSize(32, 32));
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
                w.Timer1_Timer();
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
            const QString heard = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            QVERIFY2(heard.startsWith("[Angulon 1.03] ") && !heard.contains("  "), qPrintable(heard));
        }
    }
};

QTEST_MAIN(InfoWindowTest)
#include "test_infowindow.moc"
