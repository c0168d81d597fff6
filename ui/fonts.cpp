// SPDX-License-Identifier: MIT

#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace ui {

namespace {

QFont designFont(const QString &family, qreal points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Asking for a family the font database lacks costs a fallback search on
// every new face, so a missing Arial is replaced by its metric twin once.
const QString &arialFamily()
{
    static const QString family = [] {
        // A lookup by name, not a walk through every installed family.
        for (const QString &candidate : {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}) {
            if (!QFontDatabase::styles(candidate).isEmpty())
                return candidate;
        }
        return QStringLiteral("Arial");
    }();
    return family;
}

} // namespace

QFont arial(qreal points, bool bold) { return designFont(arialFamily(), points, bold); }
QFont tahoma(qreal points, bool bold) { return designFont(QStringLiteral("Tahoma"), points, bold); }

} // namespace ui
