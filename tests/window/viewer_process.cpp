#include "window/viewer_process.h"

#include <QDir>

#include "window/child_guard.h"

namespace chartview::testing {

using namespace Qt::StringLiterals;

namespace {

constexpr int kStartLimitMs = 10000;
constexpr int kStopLimitMs = 5000;

// The test binary's environment, with the viewer sent to the X display and nothing left
// that would change its scale or bring Qt's own log lines to stderr.
QProcessEnvironment environmentOn(const QString& display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name :
         {u"WAYLAND_DISPLAY"_s, u"QT_SCALE_FACTOR"_s, u"QT_SCREEN_SCALE_FACTORS"_s,
          u"QT_LOGGING_RULES"_s, u"QT_MESSAGE_PATTERN"_s}) {
        environment.remove(name);
    }
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    environment.insert(u"DISPLAY"_s, display);
    return environment;
}

}  // namespace

ViewerProcess::ViewerProcess(const QString& argumentText, const QString& display,
                             const QProcessEnvironment& extraEnvironment) {
    QProcessEnvironment environment = environmentOn(display);
    environment.insert(extraEnvironment);
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(workingFolder_.path());
    process_.setStandardInputFile(QProcess::nullDevice());
    endWithTestBinary(process_);
    process_.start(builtProgram(u"chartview"_s), {argumentText});
    started_ = workingFolder_.isValid() && process_.waitForStarted(kStartLimitMs);
}

ViewerProcess::~ViewerProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(kStopLimitMs);
    }
}

bool ViewerProcess::waitForEnd(int limitMs) {
    // waitForFinished() answers false for a process already ended, so ask the state.
    if (process_.state() != QProcess::NotRunning) {
        process_.waitForFinished(limitMs);
    }
    return process_.state() == QProcess::NotRunning;
}

ProcessResult ViewerProcess::result() {
    ProcessResult result;
    if (!started_ || process_.state() != QProcess::NotRunning) {
        return result;
    }
    result.finished = true;
    result.crashed = process_.exitStatus() == QProcess::CrashExit;
    result.exitCode = process_.exitCode();
    result.out = process_.readAllStandardOutput();
    result.err = process_.readAllStandardError();
    return result;
}

QStringList ViewerProcess::workingFolderEntries() const {
    return QDir(workingFolder_.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace chartview::testing
