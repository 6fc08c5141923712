#include "qt/column_font.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace lexicount {

namespace {

QFont WithFamily(const QFont& preferred, const QString& family) {
    QFont font = preferred;
    font.setFamilies({family});
    return font;
}

}  // namespace

bool LinesUpColumns(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(QLatin1Char('0'));
    if (width <= 0) return false;
    for (QChar c : QStringLiteral("0123456789 iW")) {
        if (std::abs(metrics.horizontalAdvance(c) - width) > 0.01) return false;
    }
    return true;
}

QFont ColumnFont(const QFont& preferred) {
    if (LinesUpColumns(preferred)) return preferred;
    const QStringList families = QFontDatabase::families();
    for (bool fixedPitch : {true, false}) {
        for (const QString& family : families) {
            if (QFontDatabase::isFixedPitch(family) != fixedPitch) continue;
            const QFont candidate = WithFamily(preferred, family);
            if (LinesUpColumns(candidate)) return candidate;
        }
    }
    return preferred;
}

QFont FixedPitchFont() {
    return ColumnFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

}  // namespace lexicount
