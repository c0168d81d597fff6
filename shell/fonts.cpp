#include "shell/fonts.h"

#include <QDir>
#include <QFontDatabase>

#include <system_error>

#if ANGULON_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

void registerFontTwins()
{
    // The Tahoma twin ships outside fontconfig's folders, so it has to be
    // added by hand; only the two files it comes in are touched.
    const QDir wineFonts(QStringLiteral("/usr/share/wine/fonts"));
    for (const QString &file : {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")}) {
        if (wineFonts.exists(file))
            QFontDatabase::addApplicationFont(wineFonts.filePath(file));
    }
}

FontConfigPreload::FontConfigPreload()
{
#if ANGULON_HAVE_FONTCONFIG
    // Qt's own first call then finds the configuration loaded. Without a
    // thread to spare, Qt simply loads it when it needs it.
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
    }
#endif
}

FontConfigPreload::~FontConfigPreload() { wait(); }

void FontConfigPreload::wait()
{
    if (thread_.joinable())
        thread_.join();
}
