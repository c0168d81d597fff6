#include "shell/fonts.h"
#include "shell/mainwindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
#if defined(Q_OS_LINUX)
    // Without a display the toolkit would abort with a long message; say
    // what to do instead.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fputs("angulon: no display found; run it on a desktop, or under xvfb-run\n", stderr);
        return 1;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Angulon"));
    QApplication::setApplicationVersion(QStringLiteral("1.00.0003"));
    registerFontTwins();

    MainWindow window;
    window.show();
    return app.exec();
}
