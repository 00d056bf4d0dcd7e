#pragma once

#include <stdexcept>

namespace ChartLib {

// A failure the chart control reports for an operation (an index out of range, a code it
// does not know). The caller decides what it means; the control itself never ends anything.
class ChartError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace ChartLib
