#include "chartlib/layout/nice_ticks.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace ChartLib {

namespace {

// Beyond this many ticks the axis could not show them anyway; it keeps loops bounded.
constexpr int kMaxTicks = 10000;
// Ranges narrower than this (relative to their magnitude) are treated as a single value.
constexpr double kRelativeEpsilon = 1e-12;

double powerOfTen(int exponent) {
    return std::pow(10.0, exponent);
}

struct NiceStep {
    int mantissa;
    int exponent;
};

NiceStep niceStepAtLeast(double raw) {
    int exponent = static_cast<int>(std::floor(std::log10(raw)));
    const double fraction = raw / powerOfTen(exponent);
    int mantissa = 10;
    if (fraction <= 1.0 + 1e-9) {
        mantissa = 1;
    } else if (fraction <= 2.0 + 1e-9) {
        mantissa = 2;
    } else if (fraction <= 5.0 + 1e-9) {
        mantissa = 5;
    }
    if (mantissa == 10) {
        mantissa = 1;
        ++exponent;
    }
    if (exponent >= DBL_MAX_10_EXP) {
        return {1, DBL_MAX_10_EXP};  // 2e308 and 5e308 overflow a double
    }
    return {mantissa, exponent};
}

bool isVanishing(double low, double high) {
    const double halfSpan = high / 2 - low / 2;
    const double magnitude = std::max(std::abs(low), std::abs(high));
    return !(halfSpan * 2 >= DBL_MIN * 1e6) || halfSpan * 2 < magnitude * kRelativeEpsilon;
}

}  // namespace

double TickScale::step() const {
    return mantissa * powerOfTen(exponent);
}

double TickScale::tick(int i) const {
    const double multiple = (firstIndex + i) * mantissa;
    return exponent >= 0 ? multiple * powerOfTen(exponent) : multiple / powerOfTen(-exponent);
}

TickScale niceTicks(double low, double high, int targetIntervals, double minimumStep) {
    if (!std::isfinite(low) || !std::isfinite(high) || low > high) {
        low = high = 0;
    }
    if (!(minimumStep > 0) || !std::isfinite(minimumStep)) {
        minimumStep = 0;
    }
    if (isVanishing(low, high)) {
        high = low + std::max({minimumStep, std::abs(low) * 0.5, 1.0});
        if (!std::isfinite(high)) {
            high = DBL_MAX;
        }
    }
    const int intervals = std::clamp(targetIntervals, 1, kMaxTicks / 2);
    const double raw =
        std::max(std::min((high / 2 - low / 2) / intervals * 2, DBL_MAX), minimumStep);
    const NiceStep nice = niceStepAtLeast(raw);

    TickScale scale;
    scale.mantissa = nice.mantissa;
    scale.exponent = nice.exponent;
    const double step = scale.step();
    const double first = std::floor(low / step + 1e-9);
    const double last = std::ceil(high / step - 1e-9);
    scale.firstIndex = first;
    scale.count = static_cast<int>(std::clamp(last - first + 1, 2.0, double(kMaxTicks)));
    // Nice ends beyond the largest double are dropped; the data ends stand in for them.
    while (scale.count > 1 && !std::isfinite(scale.tick(0))) {
        scale.firstIndex += 1;
        --scale.count;
    }
    while (scale.count > 1 && !std::isfinite(scale.tick(scale.count - 1))) {
        --scale.count;
    }
    scale.minimum = std::min(scale.tick(0), low);
    scale.maximum = std::max(scale.tick(scale.count - 1), high);
    return scale;
}

}  // namespace ChartLib
