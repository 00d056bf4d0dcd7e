#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace chartview::testing {

// How a whole process ended.
struct ProcessResult {
    bool finished = false;  // false: did not start, or timed out and was killed
    bool crashed = false;   // ended by a signal
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `program` with `arguments` (each passed as one argument, no shell) in `environment`,
// with stdin closed, and waits at most `timeoutMs`.
ProcessResult runProcess(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    int timeoutMs = 30000);

// The built program `name` (chartview, chartview-render, ...) of this build tree.
QString builtProgram(const QString& name);

// The environment with no display of any kind.
QProcessEnvironment environmentWithoutDisplay();

}  // namespace chartview::testing
