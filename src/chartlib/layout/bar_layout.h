#pragma once

#include <QRectF>

#include "chartlib/layout/bar_values.h"
#include "chartlib/layout/chart_geometry.h"
#include "chartlib/layout/text_metrics.h"

namespace ChartLib {

class ChartModel;

// The bar chart in `free`: the value axis on the left (nice ticks over every finite value and
// zero, in axis 1's label format), the category axis below, the plot with light grid lines
// and the bars. `values` is what scanBarValues gave for `model`: with it, all the layout
// makes is bounded by the pixels. Too small a rectangle gives an empty geometry.
BarGeometry layoutBars(const ChartModel& model, const BarValues& values, const QRectF& free,
                       const TextMetrics& metrics);

}  // namespace ChartLib
