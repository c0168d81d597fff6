// SPDX-License-Identifier: MIT

#include "ui/localedecimal.h"

#include <QLocale>

namespace ui {

char localeDecimal()
{
    // The core reads ASCII digits with a one-byte separator; a locale whose
    // separator is anything else falls back to the point.
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return point.at(0).toLatin1();
    return '.';
}

} // namespace ui
