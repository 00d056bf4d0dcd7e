#pragma once

namespace ChartLib {

class ChartModel;

// The smallest and largest finite value of every row and series, widened to take in zero
// (bars stand on zero). [0, 0] when there is none.
struct ValueRange {
    double low = 0;
    double high = 0;
};
ValueRange barValueRange(const ChartModel& model);

// Maps values to y in pixels: `minimum` at `bottom`, `maximum` at `top`. Values beyond the
// ends are held at the ends; any double maps without overflow.
struct ValueScale {
    double minimum = 0;
    double maximum = 1;
    double top = 0;
    double bottom = 0;

    double y(double value) const;
};

}  // namespace ChartLib
