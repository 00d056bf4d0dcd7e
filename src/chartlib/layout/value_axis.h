#pragma once

#include <QRectF>

#include <vector>

#include "chartlib/format/number_format.h"
#include "chartlib/layout/chart_geometry.h"
#include "chartlib/layout/nice_ticks.h"
#include "chartlib/layout/text_metrics.h"
#include "chartlib/layout/value_scale.h"

namespace ChartLib {

// The smallest tick step `format` can show apart: 1 when it shows no decimals (so steps stay
// whole), 0.01 for "0%", and 0 (no limit) for the general format.
double minimumTickStep(const NumberFormat& format);

// How many tick intervals suit a plot `plotHeight` pixels tall: one per two and a half lines.
int tickIntervalsFor(double plotHeight, const TextMetrics& metrics);

struct ValueAxisPart {
    QRectF strip;                 // the labels' column, left of the plot
    std::vector<double> tickYs;   // every tick, for grid lines
    std::vector<TextBox> labels;  // right-aligned, centred on their ticks' y
};

struct ValueAxisPlacement {
    ValueAxisPart axis;
    QRectF rest;  // to the right of the strip
};

// The value axis at the left of `free`: `ticks` mapped by `scale`, labelled in `format` (a
// zero that formats to "" has no label); when labels would crowd only every k-th is kept. The
// strip is as wide as the widest label (at most half of `free`, labels elided to it). A
// hidden axis takes no room and has no labels, but still gives its ticks.
ValueAxisPlacement placeValueAxis(const QRectF& free, const TickScale& ticks,
                                  const ValueScale& scale, const NumberFormat& format, bool hidden,
                                  const TextMetrics& metrics);

}  // namespace ChartLib
