#pragma once

#include <QPointF>

#include <vector>

namespace ChartLib {

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
    // The slices drawn, in order. Call once, after the last add().
    std::vector<PieSlice> finish();

private:
    void closeRun();

    double minSpan_;
    double next_ = 0;  // where the next slice starts
    PieSlice run_;
    double runLargest_ = -1;
    bool runOpen_ = false;
    std::vector<PieSlice> slices_;
};

// The point at `degrees` clockwise from 12 o'clock on the circle, in screen coordinates
// (y grows downwards).
QPointF pointOnCircle(const QPointF& center, double radius, double degrees);

}  // namespace ChartLib
