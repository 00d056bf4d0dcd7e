#include "chartlib/layout/bar_values.h"

#include <algorithm>
#include <cmath>

#include "chartlib/model/chart_model.h"

namespace ChartLib {

namespace {

constexpr std::int64_t kMaxBlocksPerSeries = 16384;

void widen(ValueRange& range, const ColumnEnvelope& envelope) {
    if (!envelope.empty()) {
        range.low = std::min(range.low, envelope.low);
        range.high = std::max(range.high, envelope.high);
    }
}

}  // namespace

BarValues scanBarValues(const ChartModel& model) {
    BarValues values;
    const int rows = model.rowCount();
    const int seriesCount = model.seriesCount();
    if (seriesCount > kMaxLayeredSeries) {
        values.range = barValueRange(model);
        return values;
    }
    const std::int64_t blockSize = std::max<std::int64_t>(
        1, (std::int64_t{rows} + kMaxBlocksPerSeries - 1) / kMaxBlocksPerSeries);
    for (int series = 0; series < seriesCount; ++series) {
        values.series.push_back(BlockEnvelopes::scan(
            rows, blockSize, series,
            [&](std::int64_t row) { return model.value(static_cast<int>(row), series); }));
        widen(values.range, values.series.back().total());
    }
    return values;
}

}  // namespace ChartLib
