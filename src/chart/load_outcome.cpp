#include "chart/load_outcome.h"

#include <cstdio>

namespace chartview {

namespace {

// A path may hold any bytes; keep the report on one line.
std::string oneLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (const unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            line += escaped;
        } else {
            line += static_cast<char>(c);
        }
    }
    return line;
}

}  // namespace

int reportFailure(std::string_view program, const LoadFailure& failure) {
    if (!failure.message.empty()) {
        const std::string line = std::string(program) + ": " + oneLine(failure.message) + "\n";
        std::fputs(line.c_str(), stderr);
    }
    return static_cast<int>(failure.status);
}

}  // namespace chartview
