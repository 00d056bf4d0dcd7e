#pragma once

#include "data/command_outcome.h"

#include <string>

namespace chartview::data {

// `pack`: reads the CSV file `csvPath` (rows `label,value1,value2`, no header) and writes one
// record per row to `outPath`. The output appears whole, by rename, only when every row was
// read; on any failure it does not appear and a file already there is left untouched.
// Errors name the path and, for a bad row, the line the row starts on: "IN.csv:7: ...".
CommandOutcome packCsv(const std::string& csvPath, const std::string& outPath);

}  // namespace chartview::data
