#include <QDeadlineTimer>
#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "support/process.h"
#include "support/record_files.h"
#include "window/viewer_process.h"
#include "window/x_display.h"
#include "window/xvfb_server.h"

namespace chartview::testing {
namespace {

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// Generous bounds for a loaded CI machine; each is met in well under a second normally.
constexpr int kWindowLimitMs = 20000;
constexpr int kExitLimitMs = 10000;
constexpr auto kSettleLimit = 5s;
constexpr auto kPollStep = 10ms;
const QSize kStoredClientSize(779, 530);

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

class ChartviewWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<XvfbServer>(); }
    static void TearDownTestSuite() { server_.reset(); }

    void SetUp() override {
        ASSERT_FALSE(display().isEmpty()) << server_->failure().toStdString();
        x_ = std::make_unique<XDisplay>(display());
        ASSERT_TRUE(x_->isOpen()) << "cannot connect to Xvfb on " << display().toStdString();
    }

    static QString display() { return server_->display(); }

    // The one window the viewer maps, once it shows; XCB_WINDOW_NONE (with the reason
    // reported) when the viewer ends first, shows none in time, or shows several.
    xcb_window_t shownWindowOf(ViewerProcess& viewer) {
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

    // The text of property `name` when set with `type`, or a note that it is not.
    std::string propertyText(xcb_window_t window, const char* name, const char* type) {
        const auto bytes = x_->textProperty(window, name, type);
        return bytes ? bytes->toStdString() : std::string("<not set as ") + type + ">";
    }

    // Waits until every border pixel of the window is the chart's white: only then does the
    // chart cover the whole client area, as a margin would show the form's own colour.
    void expectChartCoversWindow(xcb_window_t window) {
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

    // Closes the window as a window manager's close button does and checks the viewer then
    // ends quietly with status 0, leaving its working folder empty.
    void expectClosesCleanly(ViewerProcess& viewer, xcb_window_t window) {
        ASSERT_TRUE(x_->listsProtocol(window, "WM_DELETE_WINDOW"));
        x_->requestClose(window);
        ASSERT_TRUE(viewer.waitForEnd(kExitLimitMs)) << "still running after the close request";
        const ProcessResult result = viewer.result();
        EXPECT_FALSE(result.crashed);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out.toStdString(), "");
        EXPECT_EQ(result.err.toStdString(), "");
        EXPECT_EQ(viewer.workingFolderEntries().join(u", "_s).toStdString(), "");
    }

    inline static std::unique_ptr<XvfbServer> server_;
    std::unique_ptr<XDisplay> x_;
};

TEST_F(ChartviewWindowTest, BarChartWindowKeepsTheChartOverItsClientAreaAndClosesCleanly) {
    TempFiles files;
    const QString data =
        QString::fromStdString(files.write(u"sales.dat"_s, encodeFile(numberedRecords(6))));
    XDisplay watcher(display());
    ASSERT_TRUE(watcher.isOpen());
    watcher.watchRoot();

    ViewerProcess viewer(data + u"|Sales 2025|Other|0|0|Units|Cost|1"_s, display());
    ASSERT_TRUE(viewer.started());
    const xcb_window_t window = shownWindowOf(viewer);
    ASSERT_NE(window, XCB_WINDOW_NONE);
    EXPECT_EQ(watcher.takeRootActivity().mapCount, 1);
    EXPECT_EQ(propertyText(window, "_NET_WM_NAME", "UTF8_STRING"), "Sales 2025");
    EXPECT_EQ(propertyText(window, "WM_NAME", "STRING"), "Sales 2025");
    EXPECT_EQ(x_->size(window), kStoredClientSize);
    expectChartCoversWindow(window);

    // Shrinking, then growing past the stored size: a chart left at its old size shows up
    // as a margin of the form's colour once the window is larger.
    for (const QSize size : {QSize(500, 300), QSize(900, 700)}) {
        SCOPED_TRACE(u"%1x%2"_s.arg(size.width()).arg(size.height()).toStdString());
        x_->moveResize(window, QRect(QPoint(0, 0), size));
        ASSERT_TRUE(pollUntil([&] { return x_->size(window) == size; }, kSettleLimit));
        expectChartCoversWindow(window);
    }
    ASSERT_NO_FATAL_FAILURE(expectClosesCleanly(viewer, window));
}

TEST_F(ChartviewWindowTest, CaptionsAreShownExactly) {
    TempFiles files;
    const QString data =
        QString::fromStdString(files.write(u"d.dat"_s, encodeFile(numberedRecords(3))));
    struct Case {
        const char* name;
        QString fields;  // all after the data file
        QString shown;
    };
    const Case cases[] = {
        {"empty caption chosen, no program name instead", u"|Other|0|1|U|C|0"_s, u""_s},
        {"modified mark stays literal", u"Other|draft [*]|1|1|U|C|0"_s, u"draft [*]"_s},
        {"non-ASCII", u"売上 2025|Other|0|0|U|C|1"_s, u"売上 2025"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewerProcess viewer(data + u"|"_s + c.fields, display());
        ASSERT_TRUE(viewer.started());
        const xcb_window_t window = shownWindowOf(viewer);
        ASSERT_NE(window, XCB_WINDOW_NONE);
        const std::string shown = c.shown.toUtf8().toStdString();
        EXPECT_EQ(propertyText(window, "_NET_WM_NAME", "UTF8_STRING"), shown);
        // The legacy WM_NAME is a Latin-1 STRING only for plain text; Qt sends other text as
        // COMPOUND_TEXT, which window managers read through _NET_WM_NAME anyway.
        if (std::all_of(c.shown.begin(), c.shown.end(),
                        [](QChar ch) { return ch.unicode() < 0x80; })) {
            EXPECT_EQ(propertyText(window, "WM_NAME", "STRING"), shown);
        }
        ASSERT_NO_FATAL_FAILURE(expectClosesCleanly(viewer, window));
    }
}

TEST_F(ChartviewWindowTest, RefusedStartsNeverMapAWindow) {
    TempFiles files;
    XDisplay watcher(display());
    ASSERT_TRUE(watcher.isOpen());
    watcher.watchRoot();
    struct Case {
        const char* name;
        QString argumentText;
        int status;
        int stderrLines;
    };
    const Case cases[] = {
        {"seven fields", u"a|b|c|d|e|f|g"_s, 64, 0},
        {"missing data file",
         QString::fromStdString(files.path(u"none.dat"_s)) + u"|A|B|0|0|x|y|1"_s, 66, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        watcher.takeRootActivity();
        ViewerProcess viewer(c.argumentText, display());
        ASSERT_TRUE(viewer.started());
        ASSERT_TRUE(viewer.waitForEnd(kExitLimitMs)) << "still running";
        const ProcessResult result = viewer.result();
        EXPECT_EQ(result.exitCode, c.status);
        EXPECT_EQ(result.err.count('\n'), c.stderrLines) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty() || result.err.startsWith("chartview: "));
        const RootActivity activity = watcher.takeRootActivity();
        EXPECT_EQ(activity.mapCount, 0);
        // Qt's own helper windows are tiny; the form's window would have its client size.
        for (const QSize size : activity.createdSizes) {
            EXPECT_NE(size, kStoredClientSize);
        }
    }
}

}  // namespace
}  // namespace chartview::testing
