#include "chartlib/layout/interval_column.h"

#include <algorithm>
#include <cmath>

namespace ChartLib {

namespace {

bool byTop(const std::pair<double, double>& interval, double top) {
    return interval.first < top;
}

}  // namespace

bool IntervalColumn::isFree(double top, double bottom) const {
    // The first extent starting at or after `bottom` cannot meet; only the one before it can.
    auto after = std::lower_bound(taken_.begin(), taken_.end(), bottom, byTop);
    if (after == taken_.begin()) {
        return true;
    }
    return std::prev(after)->second <= top;
}

std::optional<double> IntervalColumn::nearestFreeTop(double desiredTop, double height,
                                                     double minTop, double maxBottom,
                                                     double maxShift) const {
    std::optional<double> best;
    if (!(maxBottom - minTop >= height)) {
        return best;
    }
    auto consider = [&](double top) {
        const double shift = std::abs(top - desiredTop);
        if (top < minTop || top + height > maxBottom || shift > maxShift ||
            !isFree(top, top + height)) {
            return;
        }
        if (!best || shift < std::abs(*best - desiredTop)) {
            best = top;
        }
    };
    consider(std::clamp(desiredTop, minTop, maxBottom - height));
    // Only edges of extents within reach can give a nearer free place.
    auto it = std::lower_bound(taken_.begin(), taken_.end(), desiredTop - maxShift - height, byTop);
    if (it != taken_.begin()) {
        --it;
    }
    for (; it != taken_.end() && it->first <= desiredTop + maxShift + height; ++it) {
        consider(it->second);
        consider(it->first - height);
    }
    return best;
}

void IntervalColumn::take(double top, double bottom) {
    auto at = std::lower_bound(taken_.begin(), taken_.end(), top, byTop);
    taken_.insert(at, {top, bottom});
}

}  // namespace ChartLib
