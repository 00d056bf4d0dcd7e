#include "chartlib/layout/plot_area.h"

#include <algorithm>
#include <cmath>

#include "chartlib/layout/category_labels.h"
#include "chartlib/layout/spacing.h"

namespace ChartLib {

namespace {

double categoryStripHeight(const TextMetrics& metrics) {
    return std::ceil(kGap + metrics.lineHeight());
}

double plotTopInset(const TextMetrics& metrics) {
    return std::ceil(metrics.lineHeight() / 2);
}

}  // namespace

PlotSpan plotSpanFor(const QRectF& free, const TextMetrics& metrics) {
    const double top = free.top() + plotTopInset(metrics);
    return {top, std::max(top, free.bottom() - categoryStripHeight(metrics))};
}

CategoryAxisPlacement placeCategoryAxis(const QRectF& free, std::int64_t rows,
                                        const std::function<QString(std::int64_t)>& label,
                                        const TextMetrics& metrics) {
    const double height = std::min(categoryStripHeight(metrics), std::max(free.height(), 0.0));
    CategoryAxisPlacement placement;
    placement.strip = QRectF(free.left(), free.bottom() - height, free.width(), height);
    if (height >= categoryStripHeight(metrics)) {
        placement.labels = placeCategoryLabels(rows, free.left(), free.right(),
                                               placement.strip.top() + kGap, label, metrics);
    }
    placement.rest = free;
    placement.rest.setBottom(placement.strip.top());
    return placement;
}

QRectF placePlot(const QRectF& free, const TextMetrics& metrics) {
    QRectF plot = free;
    plot.setTop(std::min(free.bottom(), free.top() + plotTopInset(metrics)));
    return plot;
}

}  // namespace ChartLib
