#pragma once

#include <QString>

#include <vector>

#include "support/record_files.h"

namespace chartview::testing {

// An argument text chartview refuses before it shows any window.
struct RefusedStart {
    const char* name;
    QString argumentText;
    int status;
    int messageLines;  // of chartview's own on stderr (besides any protocol trace)
};

// The refused starts every platform is tried with; `files` is the folder of a data file
// that is never written.
std::vector<RefusedStart> refusedStarts(const TempFiles& files);

}  // namespace chartview::testing
