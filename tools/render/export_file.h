#pragma once

#include <QSize>
#include <QString>

#include <optional>
#include <string>

namespace ChartLib {
class Chart;
}

namespace chartview {

// Draws the chart, placed at `size` logical pixels, into `path`: PNG (at device pixel ratio
// `scale`), SVG or PDF by the file's extension. The file appears whole or not at all
// (written under a temporary name, then renamed). Returns why it failed, if it did.
std::optional<std::string> exportChart(const ChartLib::Chart& chart, QSize size, double scale,
                                       const QString& path);

}  // namespace chartview
