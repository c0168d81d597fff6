// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>

namespace ui {

QFont arial(qreal points, bool bold = true);
QFont tahoma(qreal points, bool bold = true);
// The main window's font, for controls that set none of their own.
inline QFont windowFont() { return arial(9.0); }

#if defined(Q_OS_LINUX)
// Adds the Tahoma twin, which ships outside fontconfig's folders, so the
// designed layout keeps its proportions where the desktop lacks Tahoma.
// (A missing Arial is replaced by its twin where fonts are made.) Windows
// has both fonts of its own.
void registerFontTwins();
#endif

} // namespace ui
