#include "chartlib/layout/chart_layout.h"

#include <algorithm>
#include <cmath>

#include "chartlib/layout/bar_layout.h"
#include "chartlib/layout/display_text.h"
#include "chartlib/layout/legend_layout.h"
#include "chartlib/layout/pie_layout.h"
#include "chartlib/layout/spacing.h"
#include "chartlib/model/chart_model.h"

namespace ChartLib {

namespace {

constexpr double kMaxSide = 65536;

QRectF sanitized(const QRectF& area) {
    const bool usable = std::isfinite(area.left()) && std::isfinite(area.top()) &&
                        area.width() >= 0 && area.height() >= 0;
    if (!usable) {
        return QRectF();
    }
    return QRectF(area.left(), area.top(), std::min(area.width(), kMaxSide),
                  std::min(area.height(), kMaxSide));
}

QRectF contentOf(const QRectF& area) {
    const QRectF inner = area.adjusted(kOuterMargin, kOuterMargin, -kOuterMargin, -kOuterMargin);
    if (!(inner.width() > 0) || !(inner.height() > 0)) {
        return QRectF();
    }
    const double left = std::ceil(inner.left());
    const double top = std::ceil(inner.top());
    return QRectF(left, top, std::floor(inner.right()) - left, std::floor(inner.bottom()) - top);
}

LegendSource legendSourceOf(const ChartModel& model) {
    return {model.seriesCount(),
            [&model](int series) { return displayText(model.seriesLabel(series), kMaxLabelUnits); },
            [&model](int series) { return seriesFill(model, series); }};
}

}  // namespace

ChartGeometry layoutChart(const ChartModel& model, const QRectF& area, const TextMetrics& metrics) {
    return layoutChart(model, scanChartValues(model), area, metrics);
}

ChartGeometry layoutChart(const ChartModel& model, const ChartValues& values, const QRectF& area,
                          const TextMetrics& metrics) {
    ChartGeometry geometry;
    geometry.backdrop = sanitized(area);
    geometry.kind = model.chartType() == kChartType2dPie ? ChartKind::Pie : ChartKind::Bar;
    QRectF free = contentOf(geometry.backdrop);
    if (free.isEmpty()) {
        return geometry;
    }
    if (model.showLegend()) {
        LegendPlacement placed = placeLegend(free, legendSourceOf(model), metrics);
        geometry.legend = std::move(placed.legend);
        free = placed.rest;
    }
    if (geometry.kind == ChartKind::Pie) {
        geometry.pie = layoutPie(model, values.pie, free, metrics);
    } else {
        geometry.bar = layoutBars(model, values.bar, free, metrics);
    }
    return geometry;
}

}  // namespace ChartLib
