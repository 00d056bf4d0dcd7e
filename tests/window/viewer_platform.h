#pragma once

#include <QProcessEnvironment>
#include <QString>

#include "window/weston_server.h"

namespace chartview::testing {

// The environment for a viewer shown on X display `display` (":N") through the xcb platform:
// the test binary's own, with no Wayland display to prefer and nothing that would change its
// scale or bring Qt's own log lines to stderr, then `extra` (e.g. QT_SCALE_FACTOR) on top.
QProcessEnvironment xcbPlatform(const QString& display, const QProcessEnvironment& extra = {});

// The environment for a viewer shown on `compositor` only, through the wayland platform: no X
// display to fall back on, quiet as above, and WAYLAND_DEBUG=1 so that its stderr also
// carries its own protocol trace.
QProcessEnvironment waylandPlatform(const WestonServer& compositor);

}  // namespace chartview::testing
