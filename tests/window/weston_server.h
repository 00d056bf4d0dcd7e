#pragma once

#include <QString>
#include <QTemporaryDir>

#include "window/child_server.h"

namespace chartview::testing {

// A private headless Weston for one test binary, with its kiosk shell: no GPU, no seat, no
// input devices, no helper clients, its socket in a runtime folder of its own that clients
// must be given as XDG_RUNTIME_DIR.
class WestonServer {
public:
    // Starts the compositor and waits until its socket is there. On failure socketName() is
    // empty and failure() says why, with the compositor's own output. Stopped when dropped.
    WestonServer();

    WestonServer(const WestonServer&) = delete;
    WestonServer& operator=(const WestonServer&) = delete;

    // The WAYLAND_DISPLAY for clients, or empty when the compositor did not start.
    QString socketName() const { return socketName_; }
    // The XDG_RUNTIME_DIR for clients: private (mode 0700), holding the socket.
    QString runtimeDir() const { return runtimeDir_.path(); }
    QString failure() const { return failure_; }

private:
    // The path of a config file made for these tests, or empty when it cannot be written.
    QString writeConfig();
    bool waitForSocket(const QString& name);

    QTemporaryDir runtimeDir_;
    ChildServer server_;
    QString socketName_;
    QString failure_;
};

}  // namespace chartview::testing
