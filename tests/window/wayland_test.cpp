#include <QByteArrayList>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/record_files.h"
#include "window/refused_starts.h"
#include "window/viewer_platform.h"
#include "window/viewer_process.h"
#include "window/wayland_trace.h"
#include "window/weston_server.h"
#include "window/window_fixture.h"

namespace chartview::testing {
namespace {

using namespace Qt::StringLiterals;

// Long enough for a viewer that quits right after its first frame to be seen quitting.
constexpr int kStaysUpMs = 500;

bool anyToplevelShown(const QByteArray& trace) {
    const std::vector<TracedToplevel> toplevels = toplevelsIn(trace);
    return std::any_of(toplevels.begin(), toplevels.end(),
                       [](const TracedToplevel& toplevel) { return toplevel.shown; });
}

std::string joined(const QByteArrayList& lines) {
    return lines.join('\n').toStdString();
}

// How the viewer ended, for failure messages, without its protocol trace.
std::string describeEnd(const ProcessResult& result) {
    if (!result.finished) {
        return "chartview still runs";
    }
    return (result.crashed ? "chartview ended by signal " : "chartview ended with status ") +
           std::to_string(result.exitCode) +
           ", other stderr: " + joined(linesBesidesTrace(result.err));
}

// Viewers on one private headless Weston shared by the suite, watched through their own
// protocol trace: the compositor tells a client when its surface is on an output.
class WaylandTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { compositor_ = std::make_unique<WestonServer>(); }
    static void TearDownTestSuite() { compositor_.reset(); }
    void SetUp() override {
        ASSERT_FALSE(compositor_->socketName().isEmpty()) << compositor_->failure().toStdString();
    }

    inline static std::unique_ptr<WestonServer> compositor_;
};

TEST_F(WaylandTest, BarChartWindowIsShownWithItsExactCaptionAndStaysUp) {
    TempFiles files;
    const QString data =
        QString::fromStdString(files.write(u"sales.dat"_s, encodeFile(numberedRecords(6))));
    ViewerProcess viewer(data + u"|Sales 2025|Other|0|0|Units|Cost|1"_s,
                         waylandPlatform(*compositor_));
    ASSERT_TRUE(viewer.started());

    if (!viewer.waitForStderr(anyToplevelShown, kWindowLimitMs)) {
        viewer.waitForEnd(0);
        FAIL() << "no window shown: " << describeEnd(viewer.result());
    }
    EXPECT_FALSE(viewer.waitForEnd(kStaysUpMs)) << "chartview ended after showing its window";

    // No window manager to ask for a close here; SIGTERM ends it as a logout would.
    viewer.terminate();
    ASSERT_TRUE(viewer.waitForEnd(kExitLimitMs)) << "still running after SIGTERM";
    const ProcessResult result = viewer.result();
    const std::vector<TracedToplevel> toplevels = toplevelsIn(result.err);
    ASSERT_EQ(toplevels.size(), 1u) << "top-level windows created";
    EXPECT_EQ(toplevels.front().title.value_or("<no title set>"), "Sales 2025");
    EXPECT_EQ(result.out.toStdString(), "");
    EXPECT_EQ(joined(linesBesidesTrace(result.err)), "");
    EXPECT_EQ(viewer.workingFolderEntries().join(u", "_s).toStdString(), "");
}

TEST_F(WaylandTest, RefusedStartsShowNoWindowAndSayOnlyTheirOwnLine) {
    TempFiles files;
    for (const RefusedStart& c : refusedStarts(files)) {
        SCOPED_TRACE(c.name);
        ViewerProcess viewer(c.argumentText, waylandPlatform(*compositor_));
        ASSERT_TRUE(viewer.started());
        ASSERT_TRUE(viewer.waitForEnd(kExitLimitMs)) << "still running";
        const ProcessResult result = viewer.result();
        EXPECT_FALSE(result.crashed);
        EXPECT_EQ(result.exitCode, c.status);
        const QByteArrayList messages = linesBesidesTrace(result.err);
        EXPECT_EQ(messages.size(), c.messageLines) << joined(messages);
        for (const QByteArray& message : messages) {
            EXPECT_TRUE(message.startsWith("chartview: ")) << message.toStdString();
        }
        EXPECT_EQ(result.out.toStdString(), "");
        EXPECT_EQ(toplevelsIn(result.err).size(), 0u);
        EXPECT_EQ(viewer.workingFolderEntries().join(u", "_s).toStdString(), "");
    }
}

}  // namespace
}  // namespace chartview::testing
