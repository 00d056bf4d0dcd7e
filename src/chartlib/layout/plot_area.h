#pragma once

#include <QRectF>

#include <cstdint>
#include <functional>
#include <vector>

#include "chartlib/layout/chart_geometry.h"
#include "chartlib/layout/text_metrics.h"

namespace ChartLib {

// The top and bottom of the plot that placeCategoryAxis and placePlot will leave of `free`,
// known before the value axis is placed, so that its ticks can be chosen first.
struct PlotSpan {
    double top = 0;
    double bottom = 0;
};
PlotSpan plotSpanFor(const QRectF& free, const TextMetrics& metrics);

struct CategoryAxisPlacement {
    QRectF strip;  // under the plot: a gap, then one line of labels
    std::vector<TextBox> labels;
    QRectF rest;  // above the strip
};

// The category axis at the bottom of `free`: labels of `rows` groups spread over its width,
// thinned and fitted so that none collide (see placeCategoryLabels).
CategoryAxisPlacement placeCategoryAxis(const QRectF& free, std::int64_t rows,
                                        const std::function<QString(std::int64_t)>& label,
                                        const TextMetrics& metrics);

// The plot: `free` less half a line at the top, where the top tick label's upper half goes.
QRectF placePlot(const QRectF& free, const TextMetrics& metrics);

}  // namespace ChartLib
