#pragma once

#include <QRectF>

#include "chartlib/layout/chart_geometry.h"
#include "chartlib/layout/text_metrics.h"

namespace ChartLib {

class ChartModel;
class PieValues;

// The pie of data row 0 in `free`: its caption (the row's label) on top; the circle in the
// middle with room around it for outside labels; one slice per series with a non-negative
// finite value, the first from 12 o'clock, clockwise, slivers under a pixel merged; a share
// label outside each slice that asks for one and finds room; and a "+N more" note at the
// bottom left counting the labels left out. A total of 0 gives the circle alone. `values` is
// PieValues::scan of `model`: the values are not read again but for the labels made, so the
// cost follows the slices drawn and the labels tried, not the series.
PieGeometry layoutPie(const ChartModel& model, const PieValues& values, const QRectF& free,
                      const TextMetrics& metrics);

}  // namespace ChartLib
