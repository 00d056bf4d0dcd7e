#include "data/dump_command.h"
#include "data/pack_command.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

using chartview::data::CommandOutcome;
using chartview::data::DataExit;

constexpr const char* kUsageLine =
    "usage: chartview-data pack IN.csv OUT.dat | dump IN.dat | --help | --version\n";

constexpr const char* kHelp =
    "\n"
    "Converts between CSV and chartview's data files of 400-byte records.\n"
    "\n"
    "  pack IN.csv OUT.dat  write one record per CSV row to OUT.dat\n"
    "  dump IN.dat          print the CSV of every whole record of IN.dat\n"
    "\n"
    "CSV: rows label,value1,value2 in UTF-8; no header row (a header is an error, since its\n"
    "values are not numbers). RFC 4180 quoting: a field in double quotes may hold commas and\n"
    "line breaks, and \"\" stands for a quote. Lines end in LF or CRLF; the last line break\n"
    "is optional; a UTF-8 byte order mark at the start is skipped. Every row, also an empty\n"
    "line, must have exactly three fields.\n"
    "\n"
    "Labels: at most 64 UTF-16 code units. \\uXXXX (four hex digits) stands for any one\n"
    "code unit, \\\\ for a backslash; dump writes \\uXXXX for zero units, control\n"
    "characters, unpaired surrogates and U+FEFF, and drops the label's trailing zero units.\n"
    "\n"
    "Values: decimal numbers as C++ from_chars reads them (no '+', no spaces), inf, -inf,\n"
    "infinity, nan and -nan in any case. Any other NaN is written as its 64-bit pattern:\n"
    "0x and exactly 16 hex digits, e.g. 0x7ff8000000000001. dump writes the shortest text\n"
    "that reads back to the same bits, so pack of a dump gives the same label and value\n"
    "bytes (the two unused blocks of each record are always written as zeros).\n"
    "\n"
    "On an error pack writes nothing: OUT.dat is created whole or not at all.\n"
    "Exit status: 0 done, 64 usage, 65 bad CSV row (IN.csv:LINE: why), 66 input cannot\n"
    "be read, 73 output cannot be created, 74 output cannot be written.\n";

int finish(const CommandOutcome& outcome) {
    if (!outcome.message.empty()) {
        std::fprintf(stderr, "chartview-data: %s\n", outcome.message.c_str());
    }
    return static_cast<int>(outcome.status);
}

int usageError(const char* what) {
    std::fprintf(stderr, "chartview-data: %s\n%s", what, kUsageLine);
    return static_cast<int>(DataExit::Usage);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (argc == 2 && command == "--help") {
        std::printf("%s%s", kUsageLine, kHelp);
        return 0;
    }
    if (argc == 2 && command == "--version") {
        std::printf("chartview-data %s\n", CHARTVIEW_VERSION);
        return 0;
    }
    if (command == "pack") {
        return argc == 4 ? finish(chartview::data::packCsv(argv[2], argv[3]))
                         : usageError("pack takes IN.csv and OUT.dat");
    }
    if (command == "dump") {
        return argc == 3 ? finish(chartview::data::dumpRecords(argv[2], stdout))
                         : usageError("dump takes IN.dat");
    }
    return usageError(argc > 1 ? "unknown command" : "no command");
}
