#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

#include "support/process.h"

namespace chartview::testing {

// One chartview process on a display server, started in its own empty working folder with
// its output kept. Killed if still running when dropped.
class ViewerProcess {
public:
    // Starts `chartview argumentText` in `platform`, the whole environment that picks its
    // display server (see viewer_platform.h).
    ViewerProcess(const QString& argumentText, const QProcessEnvironment& platform);
    ~ViewerProcess();

    ViewerProcess(const ViewerProcess&) = delete;
    ViewerProcess& operator=(const ViewerProcess&) = delete;

    bool started() const { return started_; }
    qint64 pid() const { return process_.processId(); }
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
    QByteArray out_;
    QByteArray err_;
    bool started_ = false;
};

}  // namespace chartview::testing
