#pragma once

#include <QString>
#include <QTemporaryDir>

#include "window/child_server.h"

namespace chartview::testing {

// A private Xvfb for one test binary, on a display number the server picks itself, with no
// window manager: windows are placed and sized exactly as their clients ask.
class XvfbServer {
public:
    // Starts the server and waits until it accepts clients. On failure display() is empty
    // and failure() says why, with the server's own output. Stopped when dropped.
    XvfbServer();

    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", or empty when the server did not start.
    QString display() const { return display_; }
    QString failure() const { return failure_; }

private:
    QTemporaryDir logDir_;
    ChildServer server_;
    QString display_;
    QString failure_;
};

}  // namespace chartview::testing
