#pragma once

#include <QRectF>
#include <QString>

#include <functional>

#include "chartlib/layout/chart_geometry.h"
#include "chartlib/layout/text_metrics.h"

namespace ChartLib {

// The entries a legend lists; label(i) and fill(i) are read only for entries that are shown.
struct LegendSource {
    int count = 0;
    std::function<QString(int)> label;  // the text as drawn (see displayText)
    std::function<Fill(int)> fill;
};

struct LegendPlacement {
    LegendGeometry legend;
    QRectF rest;  // what is left of the free rectangle, to the legend's left
};

// Places the legend at the right of `free`, vertically centred, at most 40 % of its width:
// one entry per line (swatch, then label), as many as fit from the first; the others are left
// out and counted on a last "+N more" line. Cost and memory follow the lines shown. With no
// entries, or no room for a single line, there is no legend and `rest` is `free`.
LegendPlacement placeLegend(const QRectF& free, const LegendSource& source,
                            const TextMetrics& metrics);

}  // namespace ChartLib
