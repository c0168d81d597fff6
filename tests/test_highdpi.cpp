#include "info/infowindow.h"
#include "shell/mainwindow.h"
#include "shell/tabstrip.h"

#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QtTest>

#include <memory>

// The 32 x 32 pixel art on a screen scaled by a whole factor (the test runs
// with QT_SCALE_FACTOR=2) and in the icon theme: every picture pixel must
// become a solid square of the same colour, in the place the design gives it
// times the factor, never a smoothed blur.
class HighDpiTest : public QObject {
    Q_OBJECT

private:
    // Empty when every opaque pixel of the picture shows as a factor x factor
    // square of its colour at the given device-pixel position of the grab;
    // otherwise the first pixel that does not.
    static QString blurredPixel(const QImage &grab, QPoint at, const QImage &picture, int factor)
    {
        const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
        const QImage shown = grab.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const QRgb want = source.pixel(x, y);
                if (qAlpha(want) != 255)
                    continue; // the background shows through; not the picture's
                for (int dy = 0; dy < factor; ++dy) {
                    for (int dx = 0; dx < factor; ++dx) {
                        const QPoint p = at + QPoint(x * factor + dx, y * factor + dy);
                        if (!shown.rect().contains(p) || shown.pixel(p) != want)
                            return QStringLiteral("picture pixel (%1,%2) #%3 shows as #%4 at (%5,%6)")
                                .arg(x).arg(y).arg(want, 8, 16, QLatin1Char('0'))
                                .arg(shown.rect().contains(p) ? shown.pixel(p) : 0u, 8, 16, QLatin1Char('0'))
                                .arg(p.x()).arg(p.y());
                    }
                }
            }
        }
        return {};
    }

    static int factor(const QWidget &window) { return qRound(window.devicePixelRatioF()); }

private slots:
    void initTestCase()
    {
        // Without the scale this test would pass on any blur-free 1:1 copy.
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    }

    void panelPicturesStaySharp_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("picture");
        QTest::newRow("sound path") << 0 << "Picture1";
        QTest::newRow("surface travel") << 1 << "Picture2";
        QTest::newRow("indication depth") << 2 << "Picture3";
    }

    void panelPicturesStaySharp()
    {
        QFETCH(int, tab);
        QFETCH(QString, picture);
        MainWindow window;
        window.findChild<TabStrip *>("TabStrip1")->tabBar()->setCurrentIndex(tab);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage grab = window.grab().toImage();
        QCOMPARE(grab.size(), window.size() * factor(window));

        const auto *label = window.findChild<QLabel *>(picture);
        const QPoint at = label->mapTo(&window, QPoint(0, 0)) * factor(window);
        const QString blur = blurredPixel(grab, at, QImage(QStringLiteral(":/pictures/frame3.xpm")), factor(window));
        QVERIFY2(blur.isEmpty(), qPrintable(blur));
    }

    void animationFramesStaySharp()
    {
        InfoWindow about(InfoWindow::Kind::About);
        about.open();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        // The first step shows the first frame.
        about.Timer1_Timer();
        const QImage grab = about.grab().toImage();
        const auto *image = about.findChild<QLabel *>("Image3");
        const QPoint at = image->mapTo(&about, QPoint(0, 0)) * factor(about);
        const QString blur = blurredPixel(grab, at, QImage(QStringLiteral(":/pictures/frame1.xpm")), factor(about));
        QVERIFY2(blur.isEmpty(), qPrintable(blur));
    }

#ifdef ANGULON_ICON_DIR
    void themeIconsAreWholePixelEnlargements_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {32, 64, 128, 256})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void themeIconsAreWholePixelEnlargements()
    {
        QFETCH(int, size);
        const QString path = QStringLiteral(ANGULON_ICON_DIR "/%1x%1/apps/" ANGULON_APP_ID ".png").arg(size);
        const QImage icon(path);
        QVERIFY2(!icon.isNull(), qPrintable(path));
        QCOMPARE(icon.size(), QSize(size, size));
        const QImage source = QImage(QStringLiteral(":/pictures/frame3.xpm")).convertToFormat(QImage::Format_ARGB32);
        const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
        const int scale = size / source.width();
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb want = source.pixel(x / scale, y / scale);
                const QRgb got = argb.pixel(x, y);
                // Fully transparent pixels may carry any colour.
                if (qAlpha(want) == 0 && qAlpha(got) == 0)
                    continue;
                QVERIFY2(got == want, qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
            }
        }
    }
#endif
};

QTEST_MAIN(HighDpiTest)
#include "test_highdpi.moc"
