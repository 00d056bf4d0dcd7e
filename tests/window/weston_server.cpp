#include "window/weston_server.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace chartview::testing {

using namespace Qt::StringLiterals;

namespace {

constexpr int kPollStepMs = 10;
const QString kSocketName = u"chartview-wayland"_s;

// Weston writes its socket into XDG_RUNTIME_DIR; nothing of the test's own session may leak
// in (a parent compositor, an X display, a user config).
QProcessEnvironment westonEnvironment(const QString& runtimeDir) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"WAYLAND_SOCKET"_s}) {
        environment.remove(name);
    }
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtimeDir);
    return environment;
}

}  // namespace

// Weston's own helper clients (the desktop shell's panel, the on-screen keyboard) are
// orphaned when the compositor stops, and a container's init can be slow to reap them:
// the kiosk shell has none, and an empty input-method path starts no keyboard. Our own
// config file also keeps a weston.ini of the machine out.
QString WestonServer::writeConfig() {
    const QString path = runtimeDir_.filePath(u"weston.ini"_s);
    QFile config(path);
    const bool written =
        config.open(QIODevice::WriteOnly) && config.write("[input-method]\npath=\n") > 0;
    return written ? path : QString();
}

WestonServer::WestonServer() {
    // QTemporaryDir makes the folder mode 0700, as libwayland expects of a runtime folder.
    if (!runtimeDir_.isValid()) {
        failure_ = u"cannot make a runtime folder: "_s + runtimeDir_.errorString();
        return;
    }
    const QString config = writeConfig();
    if (config.isEmpty()) {
        failure_ = u"cannot write weston.ini in "_s + runtimeDir_.path();
        return;
    }
    // The headless backend with the pixman renderer needs no GPU, seat or tty, so Weston 10
    // runs as root in a container without any extra flag: only its drm backend asks for a
    // seat (logind) to run. --idle-time=0: the output never idles while a test waits.
    const QStringList arguments = {u"--backend=headless-backend.so"_s,
                                   u"--use-pixman"_s,
                                   u"--width=1600"_s,
                                   u"--height=1200"_s,
                                   u"--shell=kiosk-shell.so"_s,
                                   u"--config="_s + config,
                                   u"--socket="_s + kSocketName,
                                   u"--idle-time=0"_s};
    const QString logPath = runtimeDir_.filePath(u"weston.log"_s);
    QProcess& process = server_.process();
    process.setProcessEnvironment(westonEnvironment(runtimeDir_.path()));
    process.setStandardOutputFile(logPath);
    process.setStandardErrorFile(logPath, QIODevice::Append);
    failure_ = server_.start(u"weston"_s, arguments, u"weston"_s);
    if (!failure_.isEmpty()) {
        return;
    }
    if (!waitForSocket(kSocketName)) {
        failure_ = u"weston made no socket within %1 ms; its output:\n%2"_s.arg(
            QString::number(kServerStartLimitMs), serverLog(logPath));
        return;
    }
    socketName_ = kSocketName;
}

// Weston serves no client before its whole start-up (shell included) is done, so a client
// that connects as soon as the socket exists still finds every global it needs.
bool WestonServer::waitForSocket(const QString& name) {
    const QString path = runtimeDir_.filePath(name);
    const QDeadlineTimer deadline(kServerStartLimitMs);
    QProcess& process = server_.process();
    while (!QFileInfo(path).exists()) {
        if (deadline.hasExpired() || process.waitForFinished(kPollStepMs)) {
            return false;
        }
    }
    return process.state() == QProcess::Running;
}

}  // namespace chartview::testing
