#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace chartview::testing {

// Generous for a loaded CI machine: how long a server may take to run and to be ready.
inline constexpr int kServerStartLimitMs = 15000;

// A display server run as a child of the test binary: stdin closed, killed when the test
// binary dies, stopped as a session would stop it when dropped.
class ChildServer {
public:
    ChildServer() = default;
    // Sends SIGTERM, then SIGKILL when the server does not end in time.
    ~ChildServer();

    ChildServer(const ChildServer&) = delete;
    ChildServer& operator=(const ChildServer&) = delete;

    // The process, to set up before start() (environment, output files) and to watch after.
    QProcess& process() { return process_; }
    // Runs `program` with `arguments`; empty once it runs, otherwise why not, naming the
    // Debian `package` that brings it.
    QString start(const QString& program, const QStringList& arguments, const QString& package);

private:
    QProcess process_;
};

// The text of the server log at `path`, or empty when it cannot be read.
QString serverLog(const QString& path);

}  // namespace chartview::testing
