#pragma once

namespace chartview {

// Keeps Qt's own diagnostics (debug, info and warning lines such as a missing
// XDG_RUNTIME_DIR) off stderr, which carries at most the program's one line. Fatal
// messages still show. QT_LOGGING_RULES or QT_MESSAGE_PATTERN set by the user bring
// Qt's lines back for debugging.
void keepQtDiagnosticsQuiet();

}  // namespace chartview
