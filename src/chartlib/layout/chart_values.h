#pragma once

#include "chartlib/layout/bar_values.h"
#include "chartlib/layout/pie_values.h"

namespace ChartLib {

class ChartModel;

// What frames take from the values whatever their size: made in one pass when the data is
// set, so that a frame then costs what its pixels cost. Holds both kinds, since the chart type
// may be set after the data; the part for the other kind stays small (a pie reads data row 0
// only, and bars of many series keep only their range).
struct ChartValues {
    BarValues bar;
    PieValues pie;
};

// Reads every value of `model` once (see scanBarValues and PieValues::scan).
ChartValues scanChartValues(const ChartModel& model);

}  // namespace ChartLib
