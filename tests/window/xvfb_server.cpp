#include "window/xvfb_server.h"

#include <QDeadlineTimer>

namespace chartview::testing {

using namespace Qt::StringLiterals;

XvfbServer::XvfbServer() {
    // -displayfd 1: the server takes the first free display and writes its number to stdout
    // once it accepts clients. -noreset: no reset each time the last client leaves.
    const QStringList arguments = {u"-displayfd"_s,   u"1"_s,       u"-screen"_s, u"0"_s,
                                   u"1600x1200x24"_s, u"-dpi"_s,    u"96"_s,      u"-nolisten"_s,
                                   u"tcp"_s,          u"-noreset"_s};
    const QString logPath = logDir_.filePath(u"xvfb.log"_s);
    QProcess& process = server_.process();
    process.setStandardErrorFile(logPath);
    failure_ = server_.start(u"Xvfb"_s, arguments, u"xvfb"_s);
    if (!failure_.isEmpty()) {
        return;
    }
    const QDeadlineTimer deadline(kServerStartLimitMs);
    QByteArray announced;
    while (!announced.contains('\n') && process.state() == QProcess::Running &&
           !deadline.hasExpired()) {
        process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        announced += process.readAllStandardOutput();
    }
    bool isNumber = false;
    const int number = announced.trimmed().toInt(&isNumber);
    if (!announced.contains('\n') || !isNumber) {
        failure_ = u"Xvfb did not announce a display within %1 ms; its output:\n%2"_s.arg(
            QString::number(kServerStartLimitMs), serverLog(logPath));
        return;
    }
    display_ = u":"_s + QString::number(number);
}

}  // namespace chartview::testing
