// SPDX-License-Identifier: MIT

#include "mainwindowfixture.h"

#include <QAbstractAnimation>
#include <QAction>

namespace {

// Everything an information window owns; a count that grows with use is a
// leak the leak checker cannot see, since the window still holds it.
int objectCount(const QObject *root) { return int(root->findChildren<QObject *>().size()) + 1; }

// The main window layout animates each showing with an animation of its own
// that deletes itself on a later turn of the event loop, so counts are taken
// once none is left.
bool settled(const QObject *root) { return root->findChildren<QAbstractAnimation *>().isEmpty(); }

} // namespace

// A long session: the information windows opened and closed many times and
// their animation run for hours' worth of timer ticks. Built with the address
// sanitizer, the leak checker runs when the test ends.
class LongLifeTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    InfoWindow *info(const QString &command) const
    {
        return command == QLatin1String("About") ? window->aboutWindow() : window->helpWindow();
    }

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // The same window every time, its counter in range, nothing accumulating.
    void openAndCloseTenThousandTimes()
    {
        for (const QString command : {"About", "Help"}) {
            QAction *open = find<QAction>(command);
            open->trigger();
            InfoWindow *w = info(command);
            QVERIFY(w);
            QTRY_VERIFY(settled(w));
            const int objects = objectCount(w);
            const auto topLevels = QApplication::topLevelWidgets().size();
            for (int i = 0; i < 10000; ++i) {
                // Alternate the two ways out, and let the counter move between
                // openings so each one continues from somewhere else.
                if (i % 2)
                    w->findChild<QPushButton *>("Command1")->click();
                else
                    w->close();
                open->trigger();
                for (int tick = 0; tick < i % 5; ++tick)
                    w->Timer1_Timer();
                QCOMPARE(info(command), w);
                QVERIFY2(w->frameIndex() >= 0 && w->frameIndex() <= 6, qPrintable(command + QString::number(i)));
                if (i % 10 == 0)
                    QCoreApplication::processEvents();
            }
            QVERIFY(w->isVisible());
            QTRY_VERIFY(settled(w));
            QCOMPARE(objectCount(w), objects);
            QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
        }
    }

    // Two windows, out of step, each keeping its own counter.
    void hundredThousandAnimationSteps()
    {
        find<QAction>("About")->trigger();
        find<QAction>("Help")->trigger();
        InfoWindow *about = window->aboutWindow(), *help = window->helpWindow();
        QTRY_VERIFY(settled(about) && settled(help));
        const int objects = objectCount(about) + objectCount(help);
        for (int i = 0; i < 3; ++i)
            help->Timer1_Timer();

        for (int i = 0; i < 100000; ++i) {
            about->Timer1_Timer();
            help->Timer1_Timer();
            if (about->frameIndex() != (i + 1) % 7 || help->frameIndex() != (i + 4) % 7)
                QFAIL(qPrintable(QStringLiteral("step %1: FrameIndex %2 and %3")
                                     .arg(i)
                                     .arg(about->frameIndex())
                                     .arg(help->frameIndex())));
        }
        QCOMPARE(objectCount(about) + objectCount(help), objects);
    }
};

QTEST_MAIN(LongLifeTest)
#include "test_longlife.moc"
