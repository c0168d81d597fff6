// SPDX-License-Identifier: MIT

// Prints the program's resident memory before, during and after a long
// session: each information window opened and closed 10,000 times, then
// 100,000 animation steps of each. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.

#include "info/infowindow.h"
#include "shell/mainwindow.h"

#include <QAbstractAnimation>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

namespace {

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Lets the event loop finish what the openings left behind (deferred
// deletions, the layout's showing animations) before memory is read.
void drain(const QList<InfoWindow *> &windows)
{
    QElapsedTimer waited;
    waited.start();
    auto busy = [&windows] {
        for (const InfoWindow *w : windows) {
            if (!w->findChildren<QAbstractAnimation *>().isEmpty())
                return true;
        }
        return false;
    };
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } while (busy() && waited.elapsed() < 10000);
}

void report(const char *moment, long kilobytes, long baseline)
{
    std::printf("%-34s %8ld kB  (%+ld kB)\n", moment, kilobytes, kilobytes - baseline);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MainWindow window;
    window.show();

    QAction *about = window.findChild<QAction *>(QStringLiteral("About"));
    QAction *help = window.findChild<QAction *>(QStringLiteral("Help"));
    // Both windows exist and have been shown once before the baseline, so it
    // counts what a session keeps, not what the first opening builds.
    about->trigger();
    help->trigger();
    const QList<InfoWindow *> windows{window.aboutWindow(), window.helpWindow()};
    for (InfoWindow *w : windows)
        w->close();
    drain(windows);

    const long baseline = residentKilobytes();
    report("after the first opening", baseline, baseline);

    for (int i = 1; i <= 10000; ++i) {
        for (int k = 0; k < 2; ++k) {
            (k == 0 ? about : help)->trigger();
            windows[k]->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        }
        // A person takes far longer between two openings than the event
        // loop needs to finish the last one's work.
        if (i % 100 == 0)
            drain(windows);
        if (i == 1000 || i == 5000 || i == 10000) {
            drain(windows);
            const QByteArray moment = QByteArray::number(i) + " openings of each window";
            report(moment.constData(), residentKilobytes(), baseline);
        }
    }

    // More steps on request, to tell a one-off rise from a steady climb.
    const int steps = argc > 1 ? std::atoi(argv[1]) : 100000;
    about->trigger();
    help->trigger();
    for (int i = 1; i <= steps; ++i) {
        for (InfoWindow *w : windows)
            w->showNextFrame();
        if (i % 1000 == 0)
            QCoreApplication::processEvents();
        if (i % 25000 == 0) {
            drain(windows);
            const QByteArray moment = QByteArray::number(i) + " animation steps of each";
            report(moment.constData(), residentKilobytes(), baseline);
        }
    }
    return 0;
}
