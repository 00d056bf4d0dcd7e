#include "chartlib/layout/font_text_metrics.h"

#include <algorithm>
#include <cmath>

namespace ChartLib {

double FontTextMetrics::width(const QString& text) const {
    return metrics_.horizontalAdvance(text);
}

double FontTextMetrics::lineHeight() const {
    return std::ceil(metrics_.height());
}

QString FontTextMetrics::elided(const QString& text, double maxWidth) const {
    if (metrics_.horizontalAdvance(text) <= maxWidth) {
        return text;
    }
    return metrics_.elidedText(text, Qt::ElideRight, std::max(0.0, maxWidth));
}

}  // namespace ChartLib
