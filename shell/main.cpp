// SPDX-License-Identifier: MIT

#include "angulon/version.h"
#include "shell/mainwindow.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

#if defined(Q_OS_LINUX)
#include "shell/fontconfigpreload.h"
#endif

int main(int argc, char *argv[])
{
#if defined(Q_OS_LINUX)
    // Without a display the toolkit would abort with a long message; say
    // what to do instead.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fputs("angulon: no display found; run it on a desktop, or under xvfb-run\n", stderr);
        return 1;
    }
    FontConfigPreload fontConfig;
    QApplication app(argc, argv);
    fontConfig.wait();
#else
    QApplication app(argc, argv);
#endif
    QApplication::setApplicationName(QStringLiteral("Angulon"));
    QApplication::setApplicationVersion(QLatin1StringView(angulon::version));
    // Lets the desktop match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QLatin1StringView(angulon::appId));
#if defined(Q_OS_LINUX)
    ui::registerFontTwins();
#endif

    MainWindow window;
    window.show();

    // The package test starts the installed program with no one to close
    // it: it reports once the main window is really on screen, and ends.
    if (qEnvironmentVariableIsSet("ANGULON_EXIT_WHEN_SHOWN")) {
        auto *poll = new QTimer(&window);
        const QDeadlineTimer deadline(30000);
        QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, deadline] {
            const bool shown = window.isVisible() && window.windowHandle() && window.windowHandle()->isExposed();
            if (!shown && !deadline.hasExpired())
                return;
            std::printf("angulon %s: main window \"%s\" %s\n", angulon::version, qPrintable(window.windowTitle()),
                        shown ? "shown" : "never shown");
            std::fflush(stdout);
            poll->stop();
            QApplication::exit(shown ? 0 : 1);
        });
        poll->start(20);
    }
    return app.exec();
}
