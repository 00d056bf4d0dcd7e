#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace chartview {

// Exit statuses of chartview and its tools (the usual sysexits meanings).
enum class ExitStatus : int {
    Success = 0,
    Usage = 64,      // the argument text has not exactly eight fields; bad options
    DataError = 65,  // the data file cannot make a table: too short, too large for memory
    NoInput = 66,    // the data file names no file, or its length cannot be taken
    Software = 70,   // any other failure, such as one the chart control reports
    IoError = 74,    // open, read or close of the data file failed; silent
};

// Why a run ends before its window is shown: the exit status and the one line to print
// (without the program name; empty for a silent end).
struct LoadFailure {
    ExitStatus status;
    std::string message;
};

// The outcome of a load: nothing when the chart is ready to be shown.
using LoadOutcome = std::optional<LoadFailure>;

// Prints the failure's line, if it has one, as "program: message" on stderr (control bytes
// escaped, so it stays one line) and returns its exit status.
int reportFailure(std::string_view program, const LoadFailure& failure);

}  // namespace chartview
