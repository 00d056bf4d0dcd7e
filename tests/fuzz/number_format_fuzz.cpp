// Any format text with any value: parse once, format several values; never a crash.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "chartlib/format/number_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    const QString text(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
    const ChartLib::NumberFormat format = ChartLib::parseNumberFormat(text);
    for (const double v :
         {value, 0.0, -0.0, 0.5, -1234.5, 1e308, 5e-324, std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity()}) {
        [[maybe_unused]] const QString shown = ChartLib::formatNumber(v, format);
    }
    return 0;
}
