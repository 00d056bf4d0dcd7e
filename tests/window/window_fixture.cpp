#include "window/window_fixture.h"

#include <QPoint>
#include <QProcessEnvironment>

#include <vector>

#include "support/process.h"

namespace chartview::testing {

using namespace Qt::StringLiterals;

std::string firstNonWhiteBorderPixel(const QImage& image) {
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    std::vector<QPoint> border;
    for (int x = 0; x <= right; ++x) {
        border.insert(border.end(), {QPoint(x, 0), QPoint(x, bottom)});
    }
    for (int y = 0; y <= bottom; ++y) {
        border.insert(border.end(), {QPoint(0, y), QPoint(right, y)});
    }
    for (const QPoint& point : border) {
        const QRgb rgb = image.pixel(point) & RGB_MASK;
        if (rgb != 0xffffff) {
            return u"pixel (%1, %2) of %3x%4 is #%5, not white"_s.arg(point.x())
                .arg(point.y())
                .arg(image.width())
                .arg(image.height())
                .arg(QString::number(rgb, 16).rightJustified(6, u'0'))
                .toStdString();
        }
    }
    return {};
}

std::string describeEnd(ViewerProcess& viewer) {
    const ProcessResult result = viewer.result();
    return "chartview ended with status " + std::to_string(result.exitCode) +
           (result.crashed ? " (crashed)" : "") + ", stderr: " + result.err.toStdString();
}

void ChartviewWindowTest::SetUpTestSuite() {
    server_ = std::make_unique<XvfbServer>();
}

void ChartviewWindowTest::TearDownTestSuite() {
    server_.reset();
}

void ChartviewWindowTest::SetUp() {
    ASSERT_FALSE(display().isEmpty()) << server_->failure().toStdString();
    x_ = std::make_unique<XDisplay>(display());
    ASSERT_TRUE(x_->isOpen()) << "cannot connect to Xvfb on " << display().toStdString();
}

xcb_window_t ChartviewWindowTest::shownWindowOf(ViewerProcess& viewer) {
    std::vector<xcb_window_t> windows;
    const QDeadlineTimer deadline(kWindowLimitMs);
    while (windows.empty() && !deadline.hasExpired()) {
        if (viewer.waitForEnd(static_cast<int>(kPollStep.count()))) {
            ADD_FAILURE() << "no window shown: " << describeEnd(viewer);
            return XCB_WINDOW_NONE;
        }
        windows = x_->viewableTopLevelsOf(viewer.pid());
    }
    if (windows.size() != 1) {
        ADD_FAILURE() << windows.size() << " top-level windows shown, not one";
        return XCB_WINDOW_NONE;
    }
    return windows.front();
}

std::string ChartviewWindowTest::propertyText(xcb_window_t window, const char* name,
                                              const char* type) {
    const auto bytes = x_->textProperty(window, name, type);
    return bytes ? bytes->toStdString() : std::string("<not set as ") + type + ">";
}

void ChartviewWindowTest::expectChartCoversWindow(xcb_window_t window) {
    std::string fault;
    const bool covered = pollUntil(
        [&] {
            const QImage image = x_->grab(window);
            fault = image.isNull() ? "cannot read the window's pixels"
                                   : firstNonWhiteBorderPixel(image);
            return fault.empty();
        },
        kSettleLimit);
    EXPECT_TRUE(covered) << fault;
}

void ChartviewWindowTest::pressKeys(xcb_window_t window, const QString& keys) {
    ASSERT_TRUE(x_->focus(window)) << "the window did not take the keyboard focus";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, display());
    // Without --window, xdotool types through XTEST into the focused window: real key
    // events, where --window would send synthetic ones.
    const ProcessResult typed =
        runProcess(u"xdotool"_s, {u"key"_s, keys}, environment, kExitLimitMs);
    ASSERT_TRUE(typed.finished && typed.exitCode == 0)
        << "xdotool key " << keys.toStdString()
        << " failed (is xdotool installed?): " << typed.err.toStdString();
}

void ChartviewWindowTest::expectClosesCleanly(ViewerProcess& viewer, xcb_window_t window) {
    ASSERT_TRUE(x_->listsProtocol(window, "WM_DELETE_WINDOW"));
    x_->requestClose(window);
    expectEndsQuietly(viewer);
}

void ChartviewWindowTest::expectEndsQuietly(ViewerProcess& viewer) {
    ASSERT_TRUE(viewer.waitForEnd(kExitLimitMs)) << "still running after the close request";
    const ProcessResult result = viewer.result();
    EXPECT_FALSE(result.crashed);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(), "");
    EXPECT_EQ(result.err.toStdString(), "");
    EXPECT_EQ(viewer.workingFolderEntries().join(u", "_s).toStdString(), "");
}

}  // namespace chartview::testing
