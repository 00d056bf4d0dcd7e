#pragma once

#include <QProcess>

#include <signal.h>
#include <sys/prctl.h>

namespace chartview::testing {

// Makes the child get SIGKILL when the test binary dies, so that a crashed or killed test
// run leaves no X server or window behind.
inline void endWithTestBinary(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

}  // namespace chartview::testing
