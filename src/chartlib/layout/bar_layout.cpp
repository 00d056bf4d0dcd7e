#include "chartlib/layout/bar_layout.h"

#include <cmath>

#include "chartlib/format/number_format.h"
#include "chartlib/layout/bar_marks.h"
#include "chartlib/layout/bar_values.h"
#include "chartlib/layout/display_text.h"
#include "chartlib/layout/nice_ticks.h"
#include "chartlib/layout/plot_area.h"
#include "chartlib/layout/spacing.h"
#include "chartlib/layout/value_axis.h"
#include "chartlib/layout/value_scale.h"
#include "chartlib/model/chart_model.h"

namespace ChartLib {

namespace {

constexpr int kValueAxis = 1;

void addLines(BarGeometry& bars, const std::vector<double>& tickYs, const ValueScale& scale) {
    const QRectF& plot = bars.plot;
    for (const double y : tickYs) {
        bars.gridLines.emplace_back(plot.left(), y, plot.right(), y);
    }
    const double zero = std::round(scale.y(0));
    bars.axisLines.emplace_back(plot.left(), plot.top(), plot.left(), plot.bottom());
    bars.axisLines.emplace_back(plot.left(), zero, plot.right(), zero);
}

}  // namespace

BarGeometry layoutBars(const ChartModel& model, const BarValues& values, const QRectF& free,
                       const TextMetrics& metrics) {
    BarGeometry bars;
    if (!(free.width() >= 1) || !(free.height() >= 1)) {
        return bars;
    }
    const ValueRange& range = values.range;
    const AxisSettings& axisSettings = model.axis(kValueAxis);
    const NumberFormat format = parseNumberFormat(axisSettings.labelFormat);
    const PlotSpan span = plotSpanFor(free, metrics);
    const TickScale ticks =
        niceTicks(range.low, range.high, tickIntervalsFor(span.bottom - span.top, metrics),
                  minimumTickStep(format));
    const ValueScale scale{ticks.minimum, ticks.maximum, span.top, span.bottom};

    ValueAxisPlacement valueAxis =
        placeValueAxis(free, ticks, scale, format, axisSettings.hidden, metrics);
    CategoryAxisPlacement categoryAxis = placeCategoryAxis(
        valueAxis.rest, model.rowCount(),
        [&](std::int64_t row) {
            return displayText(model.rowLabel(static_cast<int>(row)), kMaxLabelUnits);
        },
        metrics);
    bars.plot = placePlot(categoryAxis.rest, metrics);
    if (!(bars.plot.width() >= 1) || !(bars.plot.height() >= 1)) {
        return BarGeometry{};
    }
    bars.valueLabels = std::move(valueAxis.axis.labels);
    bars.categoryLabels = std::move(categoryAxis.labels);
    addLines(bars, valueAxis.axis.tickYs, scale);
    bars.bars = layoutBarMarks(model, values, bars.plot, scale);
    return bars;
}

}  // namespace ChartLib
