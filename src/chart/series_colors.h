#pragma once

#include <array>

#include "chartlib/chart.h"

namespace chartview {

struct PaletteColor {
    int red;
    int green;
    int blue;
};

// The 15 fill colours, taken in series order and repeated from series 16 on.
inline constexpr std::array<PaletteColor, 15> SeriesPalette{{
    {255, 0, 0},
    {255, 255, 0},
    {0, 255, 0},
    {0, 255, 255},
    {0, 0, 255},
    {255, 0, 255},
    {128, 128, 128},
    {128, 0, 0},
    {128, 128, 0},
    {0, 128, 0},
    {0, 128, 128},
    {0, 0, 128},
    {128, 0, 128},
    {192, 192, 192},
    {255, 255, 255},
}};

// The brush pattern codes that tell apart series sharing a colour: series 16-30 take the
// first, 31-45 the second, and so on, repeating every 16 runs of 15.
inline constexpr std::array<int, 16> PatternCycle{15, 5,  6,  7,  8,  9, 10, 11,
                                                  12, 13, 14, 16, 17, 0, 2,  4};

// Fills every series of `chart` from SeriesPalette in series order; from series 16 on adds
// a black pattern from PatternCycle. Series 1-15 keep their brush style. A chart with no
// series gets no colour operation. Chart failures propagate as ChartLib::ChartError.
void ApplySeriesColors(ChartLib::Chart& chart);

}  // namespace chartview
