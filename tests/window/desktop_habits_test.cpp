#include <QImage>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "support/process.h"
#include "support/record_files.h"
#include "window/viewer_platform.h"
#include "window/viewer_process.h"
#include "window/window_fixture.h"
#include "window/x_selection.h"

namespace chartview::testing {
namespace {

using namespace Qt::StringLiterals;

const QSize kDoubledClientSize(1558, 1060);
// How far a channel may be off before a pixel counts as different.
constexpr int kChannelTolerance = 32;

// Pixels of `a` and `b` (same size) whose channels differ by more than `tolerance` anywhere;
// every pixel when the sizes differ.
qsizetype differingPixels(const QImage& a, const QImage& b, int tolerance) {
    if (a.size() != b.size()) {
        return qsizetype(std::max(a.width(), b.width())) * std::max(a.height(), b.height());
    }
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    qsizetype count = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* leftRow = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* rightRow = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = leftRow[x];
            const QRgb q = rightRow[x];
            const int worst =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
            count += worst > tolerance ? 1 : 0;
        }
    }
    return count;
}

// Pixels of `image` that are exactly `colour`.
qsizetype pixelsOfColour(const QImage& image, QRgb colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qsizetype count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        count += std::count_if(row, row + rgb.width(), [&](QRgb pixel) {
            return (pixel & RGB_MASK) == (colour & RGB_MASK);
        });
    }
    return count;
}

// A two-series bar chart (red and yellow bars, a legend) of six records; the argument text.
QString barChartArgument(TempFiles& files) {
    const std::string data = files.write(u"sales.dat"_s, encodeFile(numberedRecords(6)));
    return QString::fromStdString(data) + u"|Sales 2025|Other|0|0|Units|Cost|1"_s;
}

class DesktopHabitsTest : public ChartviewWindowTest {
protected:
    // The clipboard's image/png content after Ctrl+C in the window; empty on failure.
    QByteArray copyChart(xcb_window_t window) {
        SelectionReader clipboard(display());
        EXPECT_TRUE(clipboard.isOpen());
        pressKeys(window, u"ctrl+c"_s);
        if (HasFatalFailure()) {
            return {};
        }
        EXPECT_TRUE(pollUntil([&] { return clipboard.hasOwner("CLIPBOARD"); }, kSettleLimit))
            << "Ctrl+C left the clipboard without an owner";
        const auto png = clipboard.read("CLIPBOARD", "image/png", kSettleLimit);
        EXPECT_TRUE(png) << clipboard.failure();
        return png.value_or(QByteArray());
    }
};

TEST_F(DesktopHabitsTest, CloseKeysEndTheViewerQuietly) {
    TempFiles files;
    for (const QString& keys : {u"ctrl+w"_s, u"ctrl+q"_s}) {
        SCOPED_TRACE(keys.toStdString());
        ViewerProcess viewer(barChartArgument(files), xcbPlatform(display()));
        ASSERT_TRUE(viewer.started());
        const xcb_window_t window = shownWindowOf(viewer);
        ASSERT_NE(window, XCB_WINDOW_NONE);
        ASSERT_NO_FATAL_FAILURE(pressKeys(window, keys));
        ASSERT_NO_FATAL_FAILURE(expectEndsQuietly(viewer));
    }
}

TEST_F(DesktopHabitsTest, CtrlCPutsTheShownChartOnTheClipboardAsPng) {
    TempFiles files;
    ViewerProcess viewer(barChartArgument(files), xcbPlatform(display()));
    ASSERT_TRUE(viewer.started());
    const xcb_window_t window = shownWindowOf(viewer);
    ASSERT_NE(window, XCB_WINDOW_NONE);
    expectChartCoversWindow(window);
    // Any earlier owner was a viewer that has ended, and X drops an ended client's selections.
    EXPECT_FALSE(SelectionReader(display()).hasOwner("CLIPBOARD"));

    const QByteArray png = copyChart(window);
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n")) << png.left(16).toHex().toStdString();
    const QImage copied = QImage::fromData(png, "PNG");
    ASSERT_EQ(copied.size(), kStoredClientSize);
    EXPECT_EQ(differingPixels(copied, x_->grab(window), kChannelTolerance), 0);
    // Not merely the same as a blank window: a backdrop with red bars on it.
    const qsizetype area = qsizetype(copied.width()) * copied.height();
    EXPECT_GT(pixelsOfColour(copied, qRgb(255, 255, 255)), area / 2);
    EXPECT_GT(pixelsOfColour(copied, qRgb(255, 0, 0)), area / 50);

    EXPECT_FALSE(viewer.waitForEnd(0)) << describeEnd(viewer);
    ASSERT_NO_FATAL_FAILURE(expectClosesCleanly(viewer, window));
}

// At QT_SCALE_FACTOR=2 the window has twice the pixels each way and the chart is drawn into
// all of them: the window then shows what chartview-render draws at --scale 2, text drawn
// at device resolution included (an upscaled chart differs in some 6,000 pixels), and Ctrl+C
// copies the chart at that resolution too.
TEST_F(DesktopHabitsTest, DoubledScaleDrawsAtDeviceResolution) {
    TempFiles files;
    const QString argument = barChartArgument(files);
    const QString reference = QString::fromStdString(files.path(u"reference.png"_s));
    const ProcessResult rendered = runProcess(builtProgram(u"chartview-render"_s),
                                              {u"--scale"_s, u"2"_s, u"-o"_s, reference, argument},
                                              environmentWithoutDisplay());
    ASSERT_EQ(rendered.exitCode, 0) << rendered.err.toStdString();
    const QImage expected(reference);
    ASSERT_EQ(expected.size(), kDoubledClientSize);

    QProcessEnvironment doubled;
    doubled.insert(u"QT_SCALE_FACTOR"_s, u"2"_s);
    ViewerProcess viewer(argument, xcbPlatform(display(), doubled));
    ASSERT_TRUE(viewer.started());
    const xcb_window_t window = shownWindowOf(viewer);
    ASSERT_NE(window, XCB_WINDOW_NONE);
    EXPECT_EQ(x_->size(window), kDoubledClientSize);
    expectChartCoversWindow(window);
    // Tiny differences allowed for a font engine that blends a glyph edge a shade apart.
    const qsizetype allowed = qsizetype(expected.width()) * expected.height() / 2000;
    qsizetype differing = 0;
    EXPECT_TRUE(pollUntil(
        [&] {
            differing = differingPixels(expected, x_->grab(window), kChannelTolerance);
            return differing <= allowed;
        },
        kSettleLimit))
        << differing << " pixels differ from the --scale 2 render, more than " << allowed;

    const QImage copied = QImage::fromData(copyChart(window), "PNG");
    EXPECT_EQ(copied.size(), kDoubledClientSize);
    EXPECT_LE(differingPixels(expected, copied, kChannelTolerance), allowed);
    ASSERT_NO_FATAL_FAILURE(expectClosesCleanly(viewer, window));
}

}  // namespace
}  // namespace chartview::testing
