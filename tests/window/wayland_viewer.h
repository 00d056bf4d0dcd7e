#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

#include "support/process.h"
#include "window/weston_server.h"

namespace chartview::testing {

// One chartview process on a Wayland compositor (no X display), started in its own empty
// working folder with WAYLAND_DEBUG=1, so that its stderr also carries its own protocol
// trace. Killed if still running when dropped.
class WaylandViewer {
public:
    // Starts `chartview argumentText` through Qt's wayland platform on `compositor`.
    WaylandViewer(const QString& argumentText, const WestonServer& compositor);
    ~WaylandViewer();

    WaylandViewer(const WaylandViewer&) = delete;
    WaylandViewer& operator=(const WaylandViewer&) = delete;

    bool started() const { return started_; }
    // Reads stderr as it comes until `condition` holds for all of it so far; false when the
    // process ended first or `limitMs` passed.
    bool waitForStderr(const std::function<bool(const QByteArray&)>& condition, int limitMs);
    // Asks the process to end with SIGTERM, as a session does at logout.
    void terminate() { process_.terminate(); }
    // Whether the process has ended, waiting for that at most `limitMs`.
    bool waitForEnd(int limitMs);
    // How it ended, with all of its output; `finished` is false while it runs.
    ProcessResult result();
    // What the process left in its working folder (hidden entries too).
    QStringList workingFolderEntries() const;

private:
    QTemporaryDir workingFolder_;
    QProcess process_;
    QByteArray err_;
    bool started_ = false;
};

}  // namespace chartview::testing
