#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "chartlib/layout/ranked_bits.h"

namespace ChartLib {

class ChartModel;

// What a pie takes from its values whatever its size, made in one pass over data row 0: which
// series count (their value is non-negative and finite), their total and their running sums,
// from which the angles of every slice come, and which of them ask for a share label. A series
// that does not count takes no angle. At most about 9.5 bytes a series.
class PieValues {
public:
    PieValues() = default;
    // Reads every value of data row 0 of `model` once (none without a data row), and the
    // settings readLabelSettings reads.
    static PieValues scan(const ChartModel& model);
    // Re-reads which counted series ask for a share label (shown outside, with the percent),
    // after series settings changed. Reads no value; `model` holds the data scanned.
    void readLabelSettings(const ChartModel& model);

    int seriesCount() const { return static_cast<int>(sums_.size()); }
    // The total of the counted values, times scale(); the pie has slices only when it is > 0.
    double total() const { return total_; }
    // Values are taken times this (a power of two), so that the total and the degrees per
    // value stay finite.
    double scale() const { return scale_; }
    const RankedBits& counted() const { return counted_; }
    // The counted series that ask for a share label.
    const RankedBits& labelled() const { return labelled_; }

    // Where the slice of `series` ends, in degrees clockwise from 12 o'clock; 0 for series -1.
    // Never decreases from one series to the next, and never passes 360.
    double endDegrees(int series) const {
        return series < 0 ? 0
                          : std::min(sums_[static_cast<std::size_t>(series)] * perValue_, 360.0);
    }
    double spanDegrees(int series) const { return endDegrees(series) - endDegrees(series - 1); }
    double midDegrees(int series) const {
        return (endDegrees(series - 1) + endDegrees(series)) / 2;
    }
    // The first series of the largest span in [first, last] (0 <= first <= last < count).
    // O(log count).
    int widestIn(int first, int last) const;
    // The first series at or after `from` for which `holds(series)` is true, given that it is
    // false up to some series and true from there on; seriesCount() when there is none. Asks
    // O(log distance) series, mostly near `from`.
    template <class Predicate>
    int firstWhere(int from, Predicate&& holds) const;

private:
    int wider(int earlier, int later) const;
    void buildWidestTree();
    int widestInBlocks(int firstBlock, int lastBlock) const;

    std::vector<double> sums_;  // of the counted values (times scale_) up to each series
    double total_ = 0;
    double scale_ = 1;
    double perValue_ = 0;  // degrees per value
    RankedBits counted_;
    RankedBits labelled_;
    // A tournament tree over blocks of series: leaf b holds the widest series of block b, each
    // node the wider of its children (the earlier one when equal); -1 for padding.
    std::vector<std::int32_t> widestTree_;
    std::size_t leaves_ = 0;
};

template <class Predicate>
int PieValues::firstWhere(int from, Predicate&& holds) const {
    const int count = seriesCount();
    int low = std::max(from, 0);  // `holds` is false before `low`
    int high = low;               // count, or a series where `holds` is true once galloping stops
    for (std::int64_t step = 1; high < count && !holds(high); step *= 2) {
        low = high + 1;
        high = static_cast<int>(std::min<std::int64_t>(low + step, count));
    }
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (holds(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

}  // namespace ChartLib
