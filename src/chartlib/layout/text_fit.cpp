#include "chartlib/layout/text_fit.h"

namespace ChartLib {

using namespace Qt::StringLiterals;

QString fitText(const QString& text, double maxWidth, const TextMetrics& metrics) {
    if (!(maxWidth > 0)) {
        return QString();
    }
    QString fitted = metrics.elided(text, maxWidth);
    if (metrics.width(fitted) > maxWidth) {
        return QString();
    }
    return fitted;
}

QString moreText(long long leftOut) {
    return u"+%1 more"_s.arg(leftOut);
}

}  // namespace ChartLib
