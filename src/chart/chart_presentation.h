#pragma once

#include "chartlib/chart.h"
#include "input/launch_fields.h"

namespace chartview {

// Shows the legend, then turns the chart into the kind ChartKind selects: a 2-D bar chart
// ("#,###" value axis, no secondary axis, series named from SeriesName1 and, when
// SecondSeries is exactly "1", SeriesName2) or a 2-D pie (its row named SeriesName1, every
// slice labelled outside with its share as "0%"). Chart failures propagate as ChartError.
void ApplyChartPresentation(ChartLib::Chart& chart, const LaunchFields& fields);

}  // namespace chartview
