#pragma once

#include <string>

namespace chartview::data {

// Exit statuses of chartview-data, with their usual sysexits meanings.
enum class DataExit : int {
    Success = 0,
    Usage = 64,       // unknown command or wrong argument count
    DataError = 65,   // a malformed CSV row, label or value
    NoInput = 66,     // the input file cannot be opened or read
    CantCreate = 73,  // the output file cannot be created
    IoError = 74,     // writing the output failed
};

// How a command ended: its exit status and the one line to print on stderr after
// "chartview-data: " (empty: print nothing). A successful command may still have a note.
struct CommandOutcome {
    DataExit status = DataExit::Success;
    std::string message;
};

}  // namespace chartview::data
