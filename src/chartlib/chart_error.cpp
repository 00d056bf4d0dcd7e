#include "chartlib/chart_error.h"

#include <string>

namespace ChartLib {

void throwOutOfRange(const char* what, std::int64_t value, int low, int high) {
    std::string message = std::string(what) + ' ' + std::to_string(value) + " is out of range ";
    if (high < low) {
        message += "(there are none)";
    } else {
        message += std::to_string(low) + ".." + std::to_string(high);
    }
    throw ChartError(message);
}

}  // namespace ChartLib
