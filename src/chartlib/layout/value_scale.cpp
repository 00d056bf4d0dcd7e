#include "chartlib/layout/value_scale.h"

#include <algorithm>
#include <cmath>

#include "chartlib/model/chart_model.h"

namespace ChartLib {

ValueRange barValueRange(const ChartModel& model) {
    ValueRange range;
    const int rows = model.rowCount();
    for (int series = 0; series < model.seriesCount(); ++series) {
        for (int row = 0; row < rows; ++row) {
            const std::optional<double> value = model.value(row, series);
            if (value && std::isfinite(*value)) {
                range.low = std::min(range.low, *value);
                range.high = std::max(range.high, *value);
            }
        }
    }
    return range;
}

double ValueScale::y(double value) const {
    // Halves keep the differences finite even between -1e308 and 1e308.
    const double span = maximum / 2 - minimum / 2;
    double share = span > 0 ? (value / 2 - minimum / 2) / span : 0;
    if (!(share >= 0)) {
        share = 0;  // also NaN
    }
    return bottom - std::min(share, 1.0) * (bottom - top);
}

}  // namespace ChartLib
