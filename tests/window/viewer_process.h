#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "support/process.h"

namespace chartview::testing {

// One chartview process shown on an X display, started in its own empty working folder with
// its output kept. Killed if still running when dropped.
class ViewerProcess {
public:
    // Starts `chartview argumentText` on `display` (":N") through the xcb platform, with the
    // variables of `extraEnvironment` (e.g. QT_SCALE_FACTOR) set on top of a quiet default.
    ViewerProcess(const QString& argumentText, const QString& display,
                  const QProcessEnvironment& extraEnvironment = {});
    ~ViewerProcess();

    ViewerProcess(const ViewerProcess&) = delete;
    ViewerProcess& operator=(const ViewerProcess&) = delete;

    bool started() const { return started_; }
    qint64 pid() const { return process_.processId(); }
    // Whether the process has ended, waiting for that at most `limitMs`.
    bool waitForEnd(int limitMs);
    // How it ended; `finished` is false while it runs. Its output is handed over once.
    ProcessResult result();
    // What the process left in its working folder (hidden entries too).
    QStringList workingFolderEntries() const;

private:
    QTemporaryDir workingFolder_;
    QProcess process_;
    bool started_ = false;
};

}  // namespace chartview::testing
