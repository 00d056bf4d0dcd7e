#pragma once

#include <QString>

#include <string>

namespace ChartLib {
class ChartModel;
}

namespace chartview {

// The chart as one JSON object: caption, chart type, legend, the data grid's labels, the
// axes' settings and every series with its values, brush and point label. Texts are the raw
// UTF-16 the chart holds, every code unit outside printable ASCII written as \uXXXX (so
// unpaired surrogates survive and the output is always valid UTF-8); numbers read back to the
// same double; NaN and infinities are the strings "NaN", "Infinity", "-Infinity"; an empty
// cell is null.
std::string describeChart(const ChartLib::ChartModel& model, const QString& caption);

}  // namespace chartview
