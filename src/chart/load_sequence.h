#pragma once

#include <QString>

#include <functional>

#include "chart/load_outcome.h"
#include "chartlib/chart.h"
#include "input/launch_fields.h"

namespace chartview {

// Runs the load sequence from the split launch fields on: sets the chosen caption through
// `setCaption`, reads every record of the data file into a ChartTable, hands it to `chart`,
// colours the series and applies the chart kind's presentation. Returns the failure that
// ends the run, if any; on failure the chart has been given nothing from the file.
LoadOutcome runLoadSequence(const LaunchFields& fields, ChartLib::Chart& chart,
                            const std::function<void(const QString&)>& setCaption);

}  // namespace chartview
