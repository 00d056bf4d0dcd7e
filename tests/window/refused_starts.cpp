#include "window/refused_starts.h"

namespace chartview::testing {

using namespace Qt::StringLiterals;

std::vector<RefusedStart> refusedStarts(const TempFiles& files) {
    return {
        {"seven fields", u"a|b|c|d|e|f|g"_s, 64, 0},
        // Refused only after Qt has connected to the display server.
        {"missing data file",
         QString::fromStdString(files.path(u"none.dat"_s)) + u"|A|B|0|0|x|y|1"_s, 66, 1},
    };
}

}  // namespace chartview::testing
