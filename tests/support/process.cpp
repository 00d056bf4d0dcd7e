#include "support/process.h"

#include <QDir>
#include <QProcess>

namespace chartview::testing {

using namespace Qt::StringLiterals;

ProcessResult runProcess(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment, int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForStarted(timeoutMs)) {
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.finished = true;
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QString builtProgram(const QString& name) {
    return QDir(QStringLiteral(CHARTVIEW_BIN_DIR)).filePath(name);
}

QProcessEnvironment environmentWithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s}) {
        environment.remove(name);
    }
    return environment;
}

}  // namespace chartview::testing
