#include "chartlib/layout/chart_values.h"

namespace ChartLib {

ChartValues scanChartValues(const ChartModel& model) {
    return {scanBarValues(model), PieValues::scan(model)};
}

}  // namespace ChartLib
