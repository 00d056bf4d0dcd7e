#pragma once

#include <QPointF>

#include <vector>

namespace ChartLib {

class PieValues;

// A slice as drawn, in degrees clockwise from 12 o'clock. A merged slice stands for several
// neighbouring slivers; `series` is its largest member, whose fill it shows.
struct PieSlice {
    double startDegrees = 0;
    double spanDegrees = 0;
    int series = -1;
    int members = 1;
};

// Turns the slices of a pie, fed in clockwise order from 12 o'clock, into the slices drawn:
// a slice of at least `minSpanDegrees` stays as it is; runs of narrower neighbours merge until
// they reach that span (or meet a wide slice, or the end). Angles are kept: the drawn slices
// tile exactly the angle fed in. The count drawn stays below 2 * 360 / minSpanDegrees + 1
// whatever the count fed in.
class SliverMerger {
public:
    explicit SliverMerger(double minSpanDegrees);

    // The next slice clockwise; spans that are not positive and finite take no angle.
    void add(int series, double spanDegrees);
    // The next slice clockwise, given by where it ends: running sums then give every drawn
    // slice's ends exactly. An end that is not past the previous one takes no angle.
    void addEndingAt(int series, double endDegrees);
    // The slices drawn, in order. Call once, after the last add().
    std::vector<PieSlice> finish();

private:
    void closeRun();

    double minSpan_;
    double end_ = 0;  // where the last slice fed in ends
    PieSlice run_;
    double runLargest_ = -1;
    bool runOpen_ = false;
    std::vector<PieSlice> slices_;
};

// The slices SliverMerger(minSpanDegrees) gives when fed the counted slices of `values` in
// series order by addEndingAt(series, values.endDegrees(series)), found without feeding them:
// each drawn slice takes a few searches, so the cost follows the slices drawn, not the series.
std::vector<PieSlice> mergeSlivers(const PieValues& values, double minSpanDegrees);

// The point at `degrees` clockwise from 12 o'clock on the circle, in screen coordinates
// (y grows downwards).
QPointF pointOnCircle(const QPointF& center, double radius, double degrees);

}  // namespace ChartLib
