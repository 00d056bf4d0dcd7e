#pragma once

#include <QColor>

namespace ChartLib {

class ChartModel;

// How an area of one series is filled: its fill colour (unless the brush is null) and, for
// the patterned brush, a hatch drawn in `hatchInk` over it.
struct Fill {
    QColor color;
    bool filled = true;
    int hatchCode = -1;  // -1: no hatch
    QColor hatchInk;
};

// The fill of `series` (0-based, in range) as its brush says.
Fill seriesFill(const ChartModel& model, int series);

}  // namespace ChartLib
