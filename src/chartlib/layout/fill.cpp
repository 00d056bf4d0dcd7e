#include "chartlib/layout/fill.h"

#include "chartlib/model/chart_model.h"

namespace ChartLib {

namespace {

QColor toColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

Fill seriesFill(const ChartModel& model, int series) {
    const SeriesStyle& style = model.seriesStyle(series);
    Fill fill;
    fill.color = toColor(model.fillColor(series));
    fill.filled = style.brushStyle != kBrushNull;
    if (style.brushStyle == kBrushPattern && style.patternIndex < kPatternCodeCount) {
        fill.hatchCode = style.patternIndex;
        fill.hatchInk = toColor(style.patternColor);
    }
    return fill;
}

}  // namespace ChartLib
