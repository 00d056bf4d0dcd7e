#pragma once

#include <QRectF>

#include <cstdint>
#include <vector>

#include "chartlib/layout/bar_values.h"
#include "chartlib/layout/chart_geometry.h"
#include "chartlib/layout/value_scale.h"

namespace ChartLib {

class ChartModel;

// Where the bars of a group lie: groups side by side over the plot, each with a gap of a
// tenth of its width on both sides, the series' bars side by side in between.
struct BarSlots {
    double groupWidth = 0;
    double padding = 0;
    double barWidth = 0;

    double barLeft(std::int64_t row, int series) const {
        return static_cast<double>(row) * groupWidth + padding + series * barWidth;
    }
};
BarSlots barSlotsFor(std::int64_t rows, int series, double plotWidth);

// The marks of every bar over `plot`, from zero to its value as `scale` maps it (negative
// values go down), in draw order; empty and non-finite values draw nothing. While bars are a
// pixel wide or more each bar is one rectangle with edges on whole pixels; below that each
// pixel column shows per series the span of its bars (see column_envelope.h), and beyond
// kMaxLayeredSeries series one span for all, in the colour of its largest value. So the marks
// never outnumber the plot's pixel columns times kMaxLayeredSeries. `values` is what
// scanBarValues gave for `model`.
std::vector<FilledRect> layoutBarMarks(const ChartModel& model, const BarValues& values,
                                       const QRectF& plot, const ValueScale& scale);

}  // namespace ChartLib
