#pragma once

#include <cstdint>
#include <stdexcept>

namespace ChartLib {

// A failure the chart control reports for an operation (an index out of range, a code it
// does not know). The caller decides what it means; the control itself never ends anything.
class ChartError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws ChartError("<what> <value> is out of range low..high") unless low <= value <= high
// ("... (there are none)" when high < low). Wide, so that an index turned 1-based cannot
// overflow.
// Inline, for the object model's hot paths (a million series are set in a loop); the
// report is made out of line.
[[noreturn]] void throwOutOfRange(const char* what, std::int64_t value, int low, int high);
inline void checkRange(const char* what, std::int64_t value, int low, int high) {
    if (value < low || value > high) [[unlikely]] {
        throwOutOfRange(what, value, low, high);
    }
}

}  // namespace ChartLib
