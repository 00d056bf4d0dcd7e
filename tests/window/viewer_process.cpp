#include "window/viewer_process.h"

#include <QDeadlineTimer>
#include <QDir>

#include "window/child_guard.h"

namespace chartview::testing {

using namespace Qt::StringLiterals;

namespace {
constexpr int kStartLimitMs = 10000;
constexpr int kStopLimitMs = 5000;
constexpr int kPollStepMs = 10;
}  // namespace

ViewerProcess::ViewerProcess(const QString& argumentText, const QProcessEnvironment& platform) {
    process_.setProcessEnvironment(platform);
    process_.setWorkingDirectory(workingFolder_.path());
    process_.setStandardInputFile(QProcess::nullDevice());
    // waitForReadyRead() then wakes up for stderr, not for stdout.
    process_.setReadChannel(QProcess::StandardError);
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

bool ViewerProcess::waitForStderr(const std::function<bool(const QByteArray&)>& condition,
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
    out_ += process_.readAllStandardOutput();
    err_ += process_.readAllStandardError();
    result.out = out_;
    result.err = err_;
    return result;
}

QStringList ViewerProcess::workingFolderEntries() const {
    return QDir(workingFolder_.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace chartview::testing
