#pragma once

namespace ChartLib {

// Ticks of a value axis: evenly spaced at a "nice" step (1, 2 or 5 times a power of ten).
// The axis runs from `minimum` to `maximum`; tick(0) and tick(count - 1) are its ends except
// where a nice end would overflow a double, in which case the data end is the axis end.
struct TickScale {
    double minimum = 0;
    double maximum = 1;
    int mantissa = 1;  // step = mantissa * 10^exponent
    int exponent = 0;
    double firstIndex = 0;  // tick(i) = (firstIndex + i) * step
    int count = 2;

    double step() const;
    // The value of tick i, computed so that decimal steps give the decimal value (0.3, not
    // 0.30000000000000004).
    double tick(int i) const;
};

// Nice ticks covering [low, high] in about `targetIntervals` steps (at least 1), with a step of
// at least `minimumStep` (a power of ten, or 0 for none: 1 keeps steps whole). Accepts any
// doubles: non-finite or reversed input is read as [0, 0], and an empty or vanishing range
// widens upwards to a step. Never fails.
TickScale niceTicks(double low, double high, int targetIntervals, double minimumStep);

}  // namespace ChartLib
