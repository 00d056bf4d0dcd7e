#include "chart/series_colors.h"

namespace chartview {

namespace {

constexpr int kPatternedStyle = 2;

}  // namespace

void ApplySeriesColors(ChartLib::Chart& chart) {
    const int count = chart.Plot().SeriesCollection().Count();
    const int paletteSize = static_cast<int>(SeriesPalette.size());
    const int cycleSize = static_cast<int>(PatternCycle.size());
    for (int i = 1; i <= count; ++i) {
        const PaletteColor& color = SeriesPalette[(i - 1) % paletteSize];
        ChartLib::BrushRef brush =
            chart.Plot().SeriesCollection().Item(i).DataPoints().Item(-1).Brush();
        ChartLib::ColorRef fill = brush.FillColor();
        fill.setAutomatic(false);
        fill.Set(color.red, color.green, color.blue);
        if (i > paletteSize) {
            const int k = ((i - 1) / paletteSize - 1) % cycleSize;
            brush.setStyle(kPatternedStyle);
            brush.setIndex(PatternCycle[k]);
            brush.PatternColor().Set(0, 0, 0);
        }
    }
}

}  // namespace chartview
