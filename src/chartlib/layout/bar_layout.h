#pragma once

#include <QRectF>

#include "chartlib/layout/chart_geometry.h"
#include "chartlib/layout/text_metrics.h"

namespace ChartLib {

class ChartModel;

// The bar chart in `free`: the value axis on the left (nice ticks over every finite value and
// zero, in axis 1's label format), the category axis below, the plot with light grid lines
// and the bars. Reads every value once (see bar_values.h); all else it makes is bounded by the
// pixels. Too small a rectangle gives an empty geometry.
BarGeometry layoutBars(const ChartModel& model, const QRectF& free, const TextMetrics& metrics);

}  // namespace ChartLib
