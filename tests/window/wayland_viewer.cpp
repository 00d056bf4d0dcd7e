#include "window/wayland_viewer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcessEnvironment>

#include "window/child_guard.h"

namespace chartview::testing {

using namespace Qt::StringLiterals;

namespace {

constexpr int kStartLimitMs = 10000;
constexpr int kStopLimitMs = 5000;
constexpr int kPollStepMs = 10;

// The test binary's environment with the viewer sent to the compositor only: no X display
// to fall back on, and nothing that would change its scale or bring Qt's log lines.
QProcessEnvironment environmentOn(const WestonServer& compositor) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name :
         {u"DISPLAY"_s, u"WAYLAND_SOCKET"_s, u"QT_SCALE_FACTOR"_s, u"QT_SCREEN_SCALE_FACTORS"_s,
          u"QT_LOGGING_RULES"_s, u"QT_MESSAGE_PATTERN"_s, u"QT_WAYLAND_SHELL_INTEGRATION"_s}) {
        environment.remove(name);
    }
    environment.insert(u"QT_QPA_PLATFORM"_s, u"wayland"_s);
    environment.insert(u"WAYLAND_DISPLAY"_s, compositor.socketName());
    environment.insert(u"XDG_RUNTIME_DIR"_s, compositor.runtimeDir());
    environment.insert(u"WAYLAND_DEBUG"_s, u"1"_s);
    return environment;
}

}  // namespace

WaylandViewer::WaylandViewer(const QString& argumentText, const WestonServer& compositor) {
    process_.setProcessEnvironment(environmentOn(compositor));
    process_.setWorkingDirectory(workingFolder_.path());
    process_.setStandardInputFile(QProcess::nullDevice());
    // waitForReadyRead() then wakes up for the trace, not for stdout.
    process_.setReadChannel(QProcess::StandardError);
    endWithTestBinary(process_);
    process_.start(builtProgram(u"chartview"_s), {argumentText});
    started_ = workingFolder_.isValid() && process_.waitForStarted(kStartLimitMs);
}

WaylandViewer::~WaylandViewer() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(kStopLimitMs);
    }
}

bool WaylandViewer::waitForStderr(const std::function<bool(const QByteArray&)>& condition,
                                  int limitMs) {
    const QDeadlineTimer deadline(limitMs);
    while (process_.state() == QProcess::Running && !deadline.hasExpired()) {
        process_.waitForReadyRead(kPollStepMs);
        err_ += process_.readAllStandardError();
        if (condition(err_)) {
            return true;
        }
    }
    return false;
}

bool WaylandViewer::waitForEnd(int limitMs) {
    // waitForFinished() answers false for a process already ended, so ask the state.
    if (process_.state() != QProcess::NotRunning) {
        process_.waitForFinished(limitMs);
    }
    return process_.state() == QProcess::NotRunning;
}

ProcessResult WaylandViewer::result() {
    ProcessResult result;
    if (!started_ || process_.state() != QProcess::NotRunning) {
        return result;
    }
    result.finished = true;
    result.crashed = process_.exitStatus() == QProcess::CrashExit;
    result.exitCode = process_.exitCode();
    result.out = process_.readAllStandardOutput();
    err_ += process_.readAllStandardError();
    result.err = err_;
    return result;
}

QStringList WaylandViewer::workingFolderEntries() const {
    return QDir(workingFolder_.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace chartview::testing
