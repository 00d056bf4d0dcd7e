#include "chartlib/layout/bar_marks.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <span>
#include <utility>

#include "chartlib/layout/column_envelope.h"
#include "chartlib/model/chart_model.h"

namespace ChartLib {

namespace {

constexpr double kGroupPaddingShare = 0.1;

std::vector<Fill> fillsOf(const ChartModel& model, int count) {
    std::vector<Fill> fills;
    fills.reserve(static_cast<std::size_t>(count));
    for (int series = 0; series < count; ++series) {
        fills.push_back(seriesFill(model, series));
    }
    return fills;
}

// The vertical extent of a bar (or envelope) from `low` to `high`, zero taken in, on whole
// pixels; empty when it covers no pixel row.
std::optional<std::pair<double, double>> barRows(double low, double high, const ValueScale& scale) {
    const double top = std::round(scale.y(std::max(high, 0.0)));
    const double bottom = std::round(scale.y(std::min(low, 0.0)));
    if (!(bottom > top)) {
        return std::nullopt;
    }
    return std::pair{top, bottom};
}

std::vector<FilledRect> singleBars(const ChartModel& model, const QRectF& plot,
                                   const ValueScale& scale, const BarSlots& slots) {
    const int seriesCount = model.seriesCount();
    const std::vector<Fill> fills = fillsOf(model, seriesCount);
    std::vector<FilledRect> bars;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int series = 0; series < seriesCount; ++series) {
            const std::optional<double> value = model.value(row, series);
            if (!value || !std::isfinite(*value)) {
                continue;
            }
            const auto rows = barRows(*value, *value, scale);
            if (!rows) {
                continue;
            }
            const double left = std::round(plot.left() + slots.barLeft(row, series));
            const double right =
                std::max(left + 1, std::round(plot.left() + slots.barLeft(row, series + 1)));
            bars.push_back({QRectF(left, rows->first, right - left, rows->second - rows->first),
                            fills[static_cast<std::size_t>(series)]});
        }
    }
    return bars;
}

ColumnMapping mappingOf(const BarSlots& slots, int series) {
    return {slots.padding + (series + 0.5) * slots.barWidth, slots.groupWidth};
}

void appendEnvelopeRects(std::span<const ColumnEnvelope> columns, const QRectF& plot,
                         const ValueScale& scale, const std::function<Fill(int)>& fillOf,
                         std::vector<FilledRect>& out) {
    for (std::size_t column = 0; column < columns.size(); ++column) {
        const ColumnEnvelope& envelope = columns[column];
        if (envelope.empty()) {
            continue;
        }
        if (const auto rows = barRows(envelope.low, envelope.high, scale)) {
            out.push_back({QRectF(plot.left() + static_cast<double>(column), rows->first, 1,
                                  rows->second - rows->first),
                           fillOf(envelope.source)});
        }
    }
}

std::vector<FilledRect> envelopeBars(const ChartModel& model, const BarValues& values,
                                     const QRectF& plot, const ValueScale& scale,
                                     const BarSlots& slots) {
    const auto columns = static_cast<std::size_t>(std::floor(plot.width()));
    const int seriesCount = model.seriesCount();
    const int rowCount = model.rowCount();
    const bool layered = seriesCount <= kMaxLayeredSeries;
    std::vector<FilledRect> marks;
    std::vector<ColumnEnvelope> envelopes(columns);
    for (int series = 0; series < seriesCount; ++series) {
        auto valueAt = [&](std::int64_t row) { return model.value(static_cast<int>(row), series); };
        const auto index = static_cast<std::size_t>(series);
        if (index < values.series.size()) {
            values.series[index].addTo(envelopes, mappingOf(slots, series), series, valueAt);
        } else {
            addToEnvelopes(envelopes, rowCount, mappingOf(slots, series), series, valueAt);
        }
        if (layered) {
            const Fill fill = seriesFill(model, series);
            appendEnvelopeRects(
                envelopes, plot, scale, [&](int) { return fill; }, marks);
            std::fill(envelopes.begin(), envelopes.end(), ColumnEnvelope{});
        }
    }
    if (!layered) {
        appendEnvelopeRects(
            envelopes, plot, scale, [&](int series) { return seriesFill(model, series); }, marks);
    }
    return marks;
}

}  // namespace

BarSlots barSlotsFor(std::int64_t rows, int series, double plotWidth) {
    if (rows <= 0 || series <= 0 || !(plotWidth > 0)) {
        return {};
    }
    const double groupWidth = plotWidth / static_cast<double>(rows);
    const double padding = groupWidth * kGroupPaddingShare;
    return {groupWidth, padding, (groupWidth - 2 * padding) / series};
}

std::vector<FilledRect> layoutBarMarks(const ChartModel& model, const BarValues& values,
                                       const QRectF& plot, const ValueScale& scale) {
    const BarSlots slots = barSlotsFor(model.rowCount(), model.seriesCount(), plot.width());
    if (!(slots.barWidth > 0) || !(plot.height() > 0)) {
        return {};
    }
    if (slots.barWidth >= 1) {
        return singleBars(model, plot, scale, slots);
    }
    return envelopeBars(model, values, plot, scale, slots);
}

}  // namespace ChartLib
