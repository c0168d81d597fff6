// SPDX-License-Identifier: MIT

#include "info/infowindow.h"
#include "shell/mainwindow.h"
#include "shell/tabstrip.h"

#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QtTest>

// The 32 x 32 pixel art on a screen scaled by a whole factor (the test runs
// with QT_SCALE_FACTOR=2) and in the icon theme: every picture pixel must
// become a solid square of the same colour, in the place the design gives it
// times the factor, never a smoothed blur.
class HighDpiTest : public QObject {
    Q_OBJECT

private:
    // Empty when every opaque pixel of the picture in the label shows as a
    // factor x factor square of its colour in a grab of the label's window;
    // otherwise the first pixel that does not.
    static QString blurredPixel(const QLabel *label, const QString &picture)
    {
        QWidget *window = label->window();
        const int factor = qRound(window->devicePixelRatioF());
        const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        if (shown.size() != window->size() * factor)
            return QStringLiteral("grab of %1 x %2").arg(shown.width()).arg(shown.height());
        const QImage source = QImage(picture).convertToFormat(QImage::Format_ARGB32);
        const QPoint at = label->mapTo(window, QPoint(0, 0)) * factor;
        for (int y = 0; y < source.height() * factor; ++y) {
            for (int x = 0; x < source.width() * factor; ++x) {
                const QRgb want = source.pixel(x / factor, y / factor);
                const QPoint p = at + QPoint(x, y);
                // Where the picture is not opaque the background shows through.
                if (qAlpha(want) == 255 && (!shown.rect().contains(p) || shown.pixel(p) != want))
                    return QStringLiteral("picture pixel (%1,%2) #%3 shows as #%4")
                        .arg(x / factor)
                        .arg(y / factor)
                        .arg(want, 8, 16, QLatin1Char('0'))
                        .arg(shown.rect().contains(p) ? shown.pixel(p) : 0u, 8, 16, QLatin1Char('0'));
            }
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        // Without the scale this test would pass on any blur-free 1:1 copy.
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    }

    void panelPicturesStaySharp()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int tab = 0; tab < 3; ++tab) {
            window.findChild<TabStrip *>("TabStrip1")->tabBar()->setCurrentIndex(tab);
            const auto *label = window.findChild<QLabel *>(QStringLiteral("Picture%1").arg(tab + 1));
            const QString blur = blurredPixel(label, QStringLiteral(":/pictures/frame3.xpm"));
            QVERIFY2(blur.isEmpty(), qPrintable(label->objectName() + ": " + blur));
        }
    }

    void animationFramesStaySharp()
    {
        InfoWindow about(InfoWindow::Kind::About);
        about.open();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        about.Timer1_Timer(); // the first step shows the first frame
        const QString blur = blurredPixel(about.findChild<QLabel *>("Image3"), QStringLiteral(":/pictures/frame1.xpm"));
        QVERIFY2(blur.isEmpty(), qPrintable(blur));
    }

#ifdef ANGULON_ICON_DIR
    void themeIconsAreWholePixelEnlargements()
    {
        const QImage source = QImage(QStringLiteral(":/pictures/frame3.xpm")).convertToFormat(QImage::Format_ARGB32);
        for (int size : {32, 64, 128, 256}) {
            const QString path = QStringLiteral(ANGULON_ICON_DIR "/%1x%1/apps/" ANGULON_APP_ID ".png").arg(size);
            const QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(icon.size(), QSize(size, size));
            const int scale = size / source.width();
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    const QRgb want = source.pixel(x / scale, y / scale), got = icon.pixel(x, y);
                    // Fully transparent pixels may carry any colour.
                    if (got != want && (qAlpha(want) != 0 || qAlpha(got) != 0))
                        QFAIL(qPrintable(QStringLiteral("%1: (%2,%3)").arg(path).arg(x).arg(y)));
                }
            }
        }
    }
#endif
};

QTEST_MAIN(HighDpiTest)
#include "test_highdpi.moc"
