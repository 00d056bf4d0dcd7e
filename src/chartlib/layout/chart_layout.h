#pragma once

#include <QRectF>

#include "chartlib/layout/chart_geometry.h"
#include "chartlib/layout/chart_values.h"
#include "chartlib/layout/text_metrics.h"

namespace ChartLib {

class ChartModel;

// The whole frame for `area` (logical pixels): the backdrop fills it; inside a margin the
// legend (when shown) takes the right, and the bar or pie chart the rest. Pure: reads the
// model and measures text, draws nothing. Any area is accepted: a non-finite or negative one
// counts as empty, a huge one is held to 65,536 pixels a side.
// `values` is what scanChartValues gave for `model` (the one pass over the values, made once
// per data); the overload without it makes that pass itself.
ChartGeometry layoutChart(const ChartModel& model, const ChartValues& values, const QRectF& area,
                          const TextMetrics& metrics);
ChartGeometry layoutChart(const ChartModel& model, const QRectF& area, const TextMetrics& metrics);

}  // namespace ChartLib
