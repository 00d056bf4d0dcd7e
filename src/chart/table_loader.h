#pragma once

#include <string>
#include <variant>

#include "chart/chart_table.h"
#include "chart/load_outcome.h"

namespace chartview {

// The data-file steps of the load: takes the file's length, sizes the table for it (after
// checking it fits in memory), then, under the read trap, reads every record into it. Returns
// the filled table, or the failure that ends the run: NoInput (no length), DataError (too
// short or too large), IoError (open, read or close failed; silent).
std::variant<ChartTable, LoadFailure> loadChartTable(const std::string& path,
                                                     ChartTable::Orientation orientation);

}  // namespace chartview
