#pragma once

#include <optional>
#include <utility>
#include <vector>

namespace ChartLib {

// Vertical extents already taken by boxes in one column, kept sorted and disjoint, so that a
// new box can be given the nearest free place. Boxes that only touch do not overlap.
class IntervalColumn {
public:
    // Whether [top, bottom) meets no taken extent.
    bool isFree(double top, double bottom) const;
    // The top nearest to `desiredTop` for a box of `height` that is free, lies within
    // [minTop, maxBottom] and moves at most `maxShift`; nullopt when there is none.
    std::optional<double> nearestFreeTop(double desiredTop, double height, double minTop,
                                         double maxBottom, double maxShift) const;
    // Marks [top, bottom) taken; the caller has checked it is free.
    void take(double top, double bottom);

    std::size_t size() const { return taken_.size(); }

private:
    std::vector<std::pair<double, double>> taken_;  // (top, bottom), sorted by top
};

}  // namespace ChartLib
