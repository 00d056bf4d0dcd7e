#include "chartlib/layout/pie_slices.h"

#include <cmath>
#include <numbers>

namespace ChartLib {

SliverMerger::SliverMerger(double minSpanDegrees)
    : minSpan_(std::isfinite(minSpanDegrees) && minSpanDegrees > 0 ? minSpanDegrees : 0) {}

void SliverMerger::add(int series, double spanDegrees) {
    if (!(spanDegrees > 0) || !std::isfinite(spanDegrees)) {
        spanDegrees = 0;
    }
    if (spanDegrees >= minSpan_ && spanDegrees > 0) {
        closeRun();
        slices_.push_back({next_, spanDegrees, series, 1});
        next_ += spanDegrees;
        return;
    }
    if (!runOpen_) {
        run_ = {next_, 0, series, 0};
        runLargest_ = -1;
        runOpen_ = true;
    }
    run_.spanDegrees += spanDegrees;
    ++run_.members;
    if (spanDegrees > runLargest_) {
        runLargest_ = spanDegrees;
        run_.series = series;
    }
    if (run_.spanDegrees >= minSpan_ && run_.spanDegrees > 0) {
        closeRun();
    }
}

void SliverMerger::closeRun() {
    if (!runOpen_) {
        return;
    }
    runOpen_ = false;
    if (run_.spanDegrees > 0) {
        slices_.push_back(run_);
        next_ += run_.spanDegrees;
    }
}

std::vector<PieSlice> SliverMerger::finish() {
    closeRun();
    return std::move(slices_);
}

QPointF pointOnCircle(const QPointF& center, double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {center.x() + radius * std::sin(radians), center.y() - radius * std::cos(radians)};
}

}  // namespace ChartLib
