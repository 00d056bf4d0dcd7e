#pragma once

#include "data/command_outcome.h"

#include <cstdio>
#include <string>

namespace chartview::data {

// `dump`: writes the CSV row of every whole record of the file `path` to `out`, streaming in
// bounded chunks. Bytes of a trailing partial record are not read; the outcome is then a
// success with a note that says how many were ignored.
CommandOutcome dumpRecords(const std::string& path, std::FILE* out);

}  // namespace chartview::data
