#include "chartlib/layout/pie_slices.h"

#include <cmath>
#include <numbers>

#include "chartlib/layout/pie_values.h"

namespace ChartLib {

namespace {

double sanitizedMinSpan(double minSpanDegrees) {
    return std::isfinite(minSpanDegrees) && minSpanDegrees > 0 ? minSpanDegrees : 0;
}

bool reaches(double span, double minSpan) {
    return span >= minSpan && span > 0;
}

// The run of slices after series `last` up to series `end` as one drawn slice, if it has any
// angle.
void addRun(std::vector<PieSlice>& slices, const PieValues& values, int last, int end) {
    if (end <= last) {
        return;
    }
    const double start = values.endDegrees(last);
    const double span = values.endDegrees(end) - start;
    if (span > 0) {
        const int members =
            values.counted().countBefore(end + 1) - values.counted().countBefore(last + 1);
        slices.push_back({start, span, values.widestIn(last + 1, end), members});
    }
}

}  // namespace

SliverMerger::SliverMerger(double minSpanDegrees) : minSpan_(sanitizedMinSpan(minSpanDegrees)) {}

void SliverMerger::add(int series, double spanDegrees) {
    const bool takesAngle = spanDegrees > 0 && std::isfinite(spanDegrees);
    addEndingAt(series, takesAngle ? end_ + spanDegrees : end_);
}

void SliverMerger::addEndingAt(int series, double endDegrees) {
    const double start = end_;
    const bool takesAngle = endDegrees - start > 0 && std::isfinite(endDegrees - start);
    const double span = takesAngle ? endDegrees - start : 0;
    if (reaches(span, minSpan_)) {
        closeRun();
        slices_.push_back({start, span, series, 1});
        end_ = endDegrees;
        return;
    }
    if (takesAngle) {
        end_ = endDegrees;
    }
    if (!runOpen_) {
        run_ = {start, 0, series, 0};
        runLargest_ = -1;
        runOpen_ = true;
    }
    ++run_.members;
    if (span > runLargest_) {
        runLargest_ = span;
        run_.series = series;
    }
    if (reaches(end_ - run_.startDegrees, minSpan_)) {
        closeRun();
    }
}

void SliverMerger::closeRun() {
    if (!runOpen_) {
        return;
    }
    runOpen_ = false;
    run_.spanDegrees = end_ - run_.startDegrees;
    if (run_.spanDegrees > 0) {
        slices_.push_back(run_);
    }
}

std::vector<PieSlice> SliverMerger::finish() {
    closeRun();
    return std::move(slices_);
}

std::vector<PieSlice> mergeSlivers(const PieValues& values, double minSpanDegrees) {
    const double minSpan = sanitizedMinSpan(minSpanDegrees);
    const int count = values.seriesCount();
    std::vector<PieSlice> slices;
    // Each step starts where the last drawn slice ends, after series `last`, and finds the
    // first series whose end is a full span away: a run of slivers closes there, or, if that
    // series alone is that wide, closes before it and the series is drawn alone.
    for (int last = -1; last < count - 1;) {
        const double start = values.endDegrees(last);
        const int closing = values.firstWhere(last + 1, [&](int series) {
            return reaches(values.endDegrees(series) - start, minSpan);
        });
        if (closing == count) {
            addRun(slices, values, last, count - 1);
            break;
        }
        const double span = values.spanDegrees(closing);
        if (reaches(span, minSpan)) {
            addRun(slices, values, last, closing - 1);
            slices.push_back({values.endDegrees(closing - 1), span, closing, 1});
        } else {
            addRun(slices, values, last, closing);
        }
        last = closing;
    }
    return slices;
}

QPointF pointOnCircle(const QPointF& center, double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {center.x() + radius * std::sin(radians), center.y() - radius * std::cos(radians)};
}

}  // namespace ChartLib
