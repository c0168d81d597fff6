// SPDX-License-Identifier: MIT

#include "ui/fonts.h"

#include <QDir>
#include <QFontDatabase>

namespace ui {

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

} // namespace ui
