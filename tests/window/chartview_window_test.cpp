#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/record_files.h"
#include "window/refused_starts.h"
#include "window/viewer_platform.h"
#include "window/viewer_process.h"
#include "window/window_fixture.h"
#include "window/x_display.h"

namespace chartview::testing {
namespace {

using namespace Qt::StringLiterals;

TEST_F(ChartviewWindowTest, BarChartWindowKeepsTheChartOverItsClientAreaAndClosesCleanly) {
    TempFiles files;
    const QString data =
        QString::fromStdString(files.write(u"sales.dat"_s, encodeFile(numberedRecords(6))));
    XDisplay watcher(display());
    ASSERT_TRUE(watcher.isOpen());
    watcher.watchRoot();

    ViewerProcess viewer(data + u"|Sales 2025|Other|0|0|Units|Cost|1"_s, xcbPlatform(display()));
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
        ViewerProcess viewer(data + u"|"_s + c.fields, xcbPlatform(display()));
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
    for (const RefusedStart& c : refusedStarts(files)) {
        SCOPED_TRACE(c.name);
        watcher.takeRootActivity();
        ViewerProcess viewer(c.argumentText, xcbPlatform(display()));
        ASSERT_TRUE(viewer.started());
        ASSERT_TRUE(viewer.waitForEnd(kExitLimitMs)) << "still running";
        const ProcessResult result = viewer.result();
        EXPECT_EQ(result.exitCode, c.status);
        EXPECT_EQ(result.err.count('\n'), c.messageLines) << result.err.toStdString();
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
