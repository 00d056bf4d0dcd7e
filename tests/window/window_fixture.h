#pragma once

#include <QDeadlineTimer>
#include <QImage>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "window/viewer_process.h"
#include "window/x_display.h"
#include "window/xvfb_server.h"

namespace chartview::testing {

// Generous bounds for a loaded CI machine; each is met in well under a second normally.
inline constexpr int kWindowLimitMs = 20000;
inline constexpr int kExitLimitMs = 10000;
inline constexpr std::chrono::milliseconds kSettleLimit = std::chrono::seconds(5);
inline constexpr std::chrono::milliseconds kPollStep{10};
inline const QSize kStoredClientSize(779, 530);

// Polls `condition` until it holds or `limit` passes; true when it held.
template <typename Condition>
bool pollUntil(Condition condition, std::chrono::milliseconds limit) {
    const QDeadlineTimer deadline(limit);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    return true;
}

// The first pixel on the image's edges (corners included) that is not white, described;
// empty when the whole border is white.
std::string firstNonWhiteBorderPixel(const QImage& image);

// How the viewer ended, for failure messages.
std::string describeEnd(ViewerProcess& viewer);

// Viewers shown on one private Xvfb shared by the suite, watched through the test's own
// X connection.
class ChartviewWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static QString display() { return server_->display(); }

    // The one window the viewer maps, once it shows; XCB_WINDOW_NONE (with the reason
    // reported) when the viewer ends first, shows none in time, or shows several.
    xcb_window_t shownWindowOf(ViewerProcess& viewer);
    // The text of property `name` when set with `type`, or a note that it is not.
    std::string propertyText(xcb_window_t window, const char* name, const char* type);
    // Waits until every border pixel of the window is the chart's white: only then does the
    // chart cover the whole client area, as a margin would show the form's own colour.
    void expectChartCoversWindow(xcb_window_t window);
    // Types `keys` (xdotool's names, e.g. "ctrl+w") into the window as a user would: the
    // window gets the focus, then the keys go through the server's keyboard (XTEST).
    void pressKeys(xcb_window_t window, const QString& keys);
    // Closes the window as a window manager's close button does, then expects a quiet end.
    void expectClosesCleanly(ViewerProcess& viewer, xcb_window_t window);
    // Expects the viewer to end within the exit limit with status 0, nothing on stdout or
    // stderr, and its working folder left empty.
    void expectEndsQuietly(ViewerProcess& viewer);

    inline static std::unique_ptr<XvfbServer> server_;
    std::unique_ptr<XDisplay> x_;
};

}  // namespace chartview::testing
