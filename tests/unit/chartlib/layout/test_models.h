#pragma once

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

#include "chartlib/model/chart_model.h"

namespace ChartLib::testing {

// A bar model: one data row per entry of `rows`, one series per value in it (nullopt = empty
// cell), row labels "r0", "r1", ... in a label column.
ChartModel barModel(const std::vector<std::vector<std::optional<double>>>& rows);

// A bar model of `rows` rows and `series` series whose values come from `value(row, series)`.
template <class ValueOf>
ChartModel generatedBarModel(int rows, int series, ValueOf&& value) {
    DataArray data(rows + 1, series + 1);
    for (int row = 0; row < rows; ++row) {
        data.setText(row + 1, 0, u"r");
        for (int s = 0; s < series; ++s) {
            data.setNumber(row + 1, s + 1, value(row, s));
        }
    }
    ChartModel model;
    model.setChartData(std::move(data));
    model.setAxisLabelFormat(1, QStringLiteral("#,###"));
    return model;
}

// A pie model of one data row (caption "Pie") and one series per value, each labelled outside
// with its share in "0%", with the legend shown, as the viewer sets it up.
ChartModel pieModel(const std::vector<double>& values);

// Whether two rectangles share any area (touching edges do not).
inline bool overlap(const QRectF& a, const QRectF& b) {
    return a.intersects(b);
}

// Whether `rect` shares any area with the disc of `radius` around `center`.
bool meetsDisc(const QRectF& rect, const QPointF& center, double radius);

}  // namespace ChartLib::testing
