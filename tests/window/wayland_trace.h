#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <optional>
#include <string>
#include <vector>

namespace chartview::testing {

// A top-level window as a client's own protocol trace (WAYLAND_DEBUG=1) tells it.
struct TracedToplevel {
    std::optional<std::string> title;  // the last title the client set, if any
    bool shown = false;                // the compositor put its surface on an output
};

// The top-level windows (xdg_toplevel) that `trace` creates, in order. Lines that are not
// part of the trace are skipped.
std::vector<TracedToplevel> toplevelsIn(const QByteArray& trace);

// The lines of `output` that WAYLAND_DEBUG did not write ("[ 1234.567] ..."): the program's
// own messages, Qt's warnings, libwayland's errors. Empty lines are not counted.
QByteArrayList linesBesidesTrace(const QByteArray& output);

}  // namespace chartview::testing
