#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace chartview::testing {

// A private Xvfb for one test binary, on a display number the server picks itself, with no
// window manager: windows are placed and sized exactly as their clients ask.
class XvfbServer {
public:
    // Starts the server and waits until it accepts clients. On failure display() is empty
    // and failure() says why, with the server's own output.
    XvfbServer();
    // Stops the server.
    ~XvfbServer();

    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", or empty when the server did not start.
    QString display() const { return display_; }
    QString failure() const { return failure_; }

private:
    QString serverLog() const;

    QTemporaryDir logDir_;
    QProcess process_;
    QString display_;
    QString failure_;
};

}  // namespace chartview::testing
