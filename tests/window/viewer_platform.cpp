#include "window/viewer_platform.h"

#include <QStringList>

namespace chartview::testing {

using namespace Qt::StringLiterals;

namespace {

// The test binary's environment without `names` and without what would change the viewer's
// scale or bring Qt's own log lines to stderr.
QProcessEnvironment quietEnvironmentWithout(const QStringList& names) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name :
         names + QStringList{u"QT_SCALE_FACTOR"_s, u"QT_SCREEN_SCALE_FACTORS"_s,
                             u"QT_LOGGING_RULES"_s, u"QT_MESSAGE_PATTERN"_s}) {
        environment.remove(name);
    }
    return environment;
}

}  // namespace

QProcessEnvironment xcbPlatform(const QString& display, const QProcessEnvironment& extra) {
    QProcessEnvironment environment = quietEnvironmentWithout({u"WAYLAND_DISPLAY"_s});
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    environment.insert(u"DISPLAY"_s, display);
    environment.insert(extra);
    return environment;
}

QProcessEnvironment waylandPlatform(const WestonServer& compositor) {
    QProcessEnvironment environment = quietEnvironmentWithout(
        {u"DISPLAY"_s, u"WAYLAND_SOCKET"_s, u"QT_WAYLAND_SHELL_INTEGRATION"_s});
    environment.insert(u"QT_QPA_PLATFORM"_s, u"wayland"_s);
    environment.insert(u"WAYLAND_DISPLAY"_s, compositor.socketName());
    environment.insert(u"XDG_RUNTIME_DIR"_s, compositor.runtimeDir());
    environment.insert(u"WAYLAND_DEBUG"_s, u"1"_s);
    return environment;
}

}  // namespace chartview::testing
