#include "window/child_server.h"

#include <QFile>

#include "window/child_guard.h"

namespace chartview::testing {

using namespace Qt::StringLiterals;

namespace {
constexpr int kStopLimitMs = 5000;
}  // namespace

ChildServer::~ChildServer() {
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.terminate();
    if (!process_.waitForFinished(kStopLimitMs)) {
        process_.kill();
        process_.waitForFinished(kStopLimitMs);
    }
}

QString ChildServer::start(const QString& program, const QStringList& arguments,
                           const QString& package) {
    process_.setStandardInputFile(QProcess::nullDevice());
    endWithTestBinary(process_);
    process_.start(program, arguments);
    if (process_.waitForStarted(kServerStartLimitMs)) {
        return {};
    }
    return u"cannot run %1 (is the %2 package installed?): %3"_s.arg(program, package,
                                                                     process_.errorString());
}

QString serverLog(const QString& path) {
    QFile log(path);
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

}  // namespace chartview::testing
