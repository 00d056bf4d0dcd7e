#pragma once

#include <vector>

#include "chartlib/layout/column_envelope.h"
#include "chartlib/layout/value_scale.h"

namespace ChartLib {

class ChartModel;

// Up to this many series each show their own envelope per pixel column; beyond it the series
// share one (see bar_marks.h).
inline constexpr int kMaxLayeredSeries = 8;

// The values of a bar chart, read once per data: their range and, for up to
// kMaxLayeredSeries series, each series' block envelopes, from which the marks are made
// without reading every value again.
struct BarValues {
    ValueRange range;
    std::vector<BlockEnvelopes> series;  // empty: the marks read the values themselves
};

// Reads every value of `model` once. Blocks are sized so that each series has at most
// 16,384, whatever the row count.
BarValues scanBarValues(const ChartModel& model);

}  // namespace ChartLib
