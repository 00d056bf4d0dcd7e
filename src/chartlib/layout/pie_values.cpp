#include "chartlib/layout/pie_values.h"

#include <bit>
#include <cmath>
#include <optional>

#include "chartlib/model/chart_model.h"

namespace ChartLib {

namespace {

constexpr int kBlock = 16;  // series per leaf of the widest-span tree

// The value a series adds to the pie, or nullopt when it is no slice.
std::optional<double> sliceValue(const ChartModel& model, int series) {
    const std::optional<double> value = model.value(0, series);
    if (!value || !std::isfinite(*value) || *value < 0) {
        return std::nullopt;
    }
    return *value;
}

bool wantsShareLabel(const ChartModel& model, int series) {
    const SeriesStyle& style = model.seriesStyle(series);
    return style.labelLocation == kLocationOutside && (style.labelComponent & kComponentPercent);
}

// The scale that keeps a total and 360 / total finite: 1 but for values near the largest
// double (their small neighbours then vanish, as they would in any share anyway) or totals
// near the smallest.
double scaleFor(double total) {
    if (!std::isfinite(total)) {
        return std::ldexp(1.0, -64);
    }
    return total > 0 && !std::isfinite(360.0 / total) ? std::ldexp(1.0, 64) : 1.0;
}

}  // namespace

PieValues PieValues::scan(const ChartModel& model) {
    PieValues pie;
    const int count = model.rowCount() > 0 ? model.seriesCount() : 0;
    pie.sums_.resize(static_cast<std::size_t>(count));
    double running = 0;
    pie.counted_ = RankedBits::of(count, [&](int series) {
        const std::optional<double> value = sliceValue(model, series);
        running += value.value_or(0);
        pie.sums_[static_cast<std::size_t>(series)] = running;
        return value.has_value();
    });
    pie.scale_ = scaleFor(running);
    if (pie.scale_ != 1) {
        running = 0;
        for (int series = 0; series < count; ++series) {
            if (pie.counted_.test(series)) {
                running += *sliceValue(model, series) * pie.scale_;
            }
            pie.sums_[static_cast<std::size_t>(series)] = running;
        }
    }
    pie.total_ = running;
    pie.perValue_ = running > 0 ? 360.0 / running : 0;
    pie.buildWidestTree();
    pie.readLabelSettings(model);
    return pie;
}

void PieValues::readLabelSettings(const ChartModel& model) {
    labelled_ = RankedBits::of(seriesCount(), [&](int series) {
        return counted_.test(series) && wantsShareLabel(model, series);
    });
}

int PieValues::wider(int earlier, int later) const {
    if (earlier < 0 || later < 0) {
        return std::max(earlier, later);
    }
    return spanDegrees(later) > spanDegrees(earlier) ? later : earlier;
}

void PieValues::buildWidestTree() {
    const int count = seriesCount();
    const auto blocks = static_cast<std::size_t>((count + kBlock - 1) / kBlock);
    leaves_ = std::bit_ceil(std::max<std::size_t>(blocks, 1));
    widestTree_.assign(2 * leaves_, -1);
    for (int series = 0; series < count; ++series) {
        std::int32_t& leaf = widestTree_[leaves_ + static_cast<std::size_t>(series / kBlock)];
        leaf = wider(leaf, series);
    }
    for (std::size_t node = leaves_ - 1; node >= 1; --node) {
        widestTree_[node] = wider(widestTree_[2 * node], widestTree_[2 * node + 1]);
    }
}

int PieValues::widestInBlocks(int firstBlock, int lastBlock) const {
    // Nodes met from the left come in series order, those from the right in reverse order.
    int fromLeft = -1;
    int fromRight = -1;
    auto left = leaves_ + static_cast<std::size_t>(firstBlock);
    auto right = leaves_ + static_cast<std::size_t>(lastBlock) + 1;
    for (; left < right; left /= 2, right /= 2) {
        if (left % 2 == 1) {
            fromLeft = wider(fromLeft, widestTree_[left++]);
        }
        if (right % 2 == 1) {
            fromRight = wider(widestTree_[--right], fromRight);
        }
    }
    return wider(fromLeft, fromRight);
}

int PieValues::widestIn(int first, int last) const {
    const int firstBlock = (first + kBlock - 1) / kBlock;  // the first block wholly inside
    const int endBlock = (last + 1) / kBlock;              // past the last block wholly inside
    if (endBlock - firstBlock < 1) {
        int widest = first;
        for (int series = first + 1; series <= last; ++series) {
            widest = wider(widest, series);
        }
        return widest;
    }
    int widest = -1;
    for (int series = first; series < firstBlock * kBlock; ++series) {
        widest = wider(widest, series);
    }
    widest = wider(widest, widestInBlocks(firstBlock, endBlock - 1));
    for (int series = endBlock * kBlock; series <= last; ++series) {
        widest = wider(widest, series);
    }
    return widest;
}

}  // namespace ChartLib
