#include "window/xvfb_server.h"

#include <QDeadlineTimer>
#include <QFile>

#include "window/child_guard.h"

namespace chartview::testing {

using namespace Qt::StringLiterals;

namespace {
constexpr int kStartLimitMs = 15000;
constexpr int kStopLimitMs = 5000;
}  // namespace

XvfbServer::XvfbServer() {
    // -displayfd 1: the server takes the first free display and writes its number to stdout
    // once it accepts clients. -noreset: no reset each time the last client leaves.
    const QStringList arguments = {u"-displayfd"_s,   u"1"_s,       u"-screen"_s, u"0"_s,
                                   u"1600x1200x24"_s, u"-dpi"_s,    u"96"_s,      u"-nolisten"_s,
                                   u"tcp"_s,          u"-noreset"_s};
    process_.setStandardInputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(logDir_.filePath(u"xvfb.log"_s));
    endWithTestBinary(process_);
    process_.start(u"Xvfb"_s, arguments);
    if (!process_.waitForStarted(kStartLimitMs)) {
        failure_ = u"cannot run Xvfb (is the xvfb package installed?): "_s + process_.errorString();
        return;
    }
    const QDeadlineTimer deadline(kStartLimitMs);
    QByteArray announced;
    while (!announced.contains('\n') && process_.state() == QProcess::Running &&
           !deadline.hasExpired()) {
        process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        announced += process_.readAllStandardOutput();
    }
    bool isNumber = false;
    const int number = announced.trimmed().toInt(&isNumber);
    if (!announced.contains('\n') || !isNumber) {
        failure_ = u"Xvfb did not announce a display within %1 ms; its output:\n%2"_s.arg(
            QString::number(kStartLimitMs), serverLog());
        return;
    }
    display_ = u":"_s + QString::number(number);
}

XvfbServer::~XvfbServer() {
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.terminate();
    if (!process_.waitForFinished(kStopLimitMs)) {
        process_.kill();
        process_.waitForFinished(kStopLimitMs);
    }
}

QString XvfbServer::serverLog() const {
    QFile log(logDir_.filePath(u"xvfb.log"_s));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

}  // namespace chartview::testing
