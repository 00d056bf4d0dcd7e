#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>

#include "support/process.h"
#include "support/record_files.h"

namespace chartview::testing {
namespace {

using namespace Qt::StringLiterals;

const QSize kClientSize(779, 530);
const QSize kDoubledClientSize(1558, 1060);

// What a pixel of a bar chart belongs to: the backdrop, a bar of the first (red) or second
// (yellow) series, or anything else: text, lines and the blends at their edges.
enum class PixelKind { Backdrop, RedBar, YellowBar, Other };

PixelKind kindOf(QRgb pixel) {
    const int red = qRed(pixel);
    const int green = qGreen(pixel);
    const int blue = qBlue(pixel);
    if (std::min({red, green, blue}) >= 245) {
        return PixelKind::Backdrop;
    }
    if (red > 200 && blue < 60) {
        return green < 60    ? PixelKind::RedBar
               : green > 200 ? PixelKind::YellowBar
                             : PixelKind::Other;
    }
    return PixelKind::Other;
}

// Pixels of two same-sized images that belong to different kinds of part.
qsizetype pixelsOfAnotherKind(const QImage& a, const QImage& b) {
    qsizetype count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += kindOf(a.pixel(x, y)) != kindOf(b.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// Grey pixels at least this dark are text at full coverage: the chart's text is near black,
// its lines mid to light grey.
constexpr int kSolidTextDarkness = 200;

// Pixels wholly inside a glyph's strokes. Anti-aliased text at a resolution too low for its
// strokes has few: a stroke about a pixel wide mostly lands on two partly covered pixels.
qsizetype solidTextPixels(const QImage& image) {
    qsizetype count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool grey = qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
            count += grey && 255 - qRed(pixel) >= kSolidTextDarkness ? 1 : 0;
        }
    }
    return count;
}

// A two-series bar chart with a legend, value and category labels, rendered at `scale`;
// a null image when chartview-render fails.
QImage renderBarChart(const QString& scale) {
    TempFiles files;
    const std::string data = files.write(u"sales.dat"_s, encodeFile(numberedRecords(6)));
    const QString png = QString::fromStdString(files.path(u"chart.png"_s));
    const ProcessResult result =
        runProcess(builtProgram(u"chartview-render"_s),
                   {u"--scale"_s, scale, u"-o"_s, png,
                    QString::fromStdString(data) + u"|Sales 2025|Other|0|0|Units|Cost|1"_s},
                   environmentWithoutDisplay());
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

class HiDpiRenderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        single_ = renderBarChart(u"1"_s);
        doubled_ = renderBarChart(u"2"_s);
    }

    void SetUp() override {
        ASSERT_EQ(single_.size(), kClientSize);
        ASSERT_EQ(doubled_.size(), kDoubledClientSize);
    }

    inline static QImage single_;
    inline static QImage doubled_;
};

// Shrunk back to logical pixels, the doubled render has every bar, the backdrop and the ink
// where the single one has them. Only the blended edges of text and lines may differ; a
// shift of the whole chart by one logical pixel already differs in about 5,000 pixels.
TEST_F(HiDpiRenderTest, DoubledScaleKeepsTheGeometry) {
    const QImage shrunk =
        doubled_.scaled(kClientSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const qsizetype allowed = qsizetype(kClientSize.width()) * kClientSize.height() * 3 / 1000;
    EXPECT_LE(pixelsOfAnotherKind(shrunk, single_), allowed);
}

// Text drawn at device resolution has strokes two or more pixels wide, so many pixels of
// solid ink; doubling the single render only copies its few solid pixels four times each.
TEST_F(HiDpiRenderTest, DoubledScaleDrawsTextAtDeviceResolution) {
    const QImage upscaled =
        single_.scaled(kDoubledClientSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const qsizetype upscaledSolid = solidTextPixels(upscaled);
    ASSERT_GT(upscaledSolid, 0) << "no text found in the single render";
    EXPECT_GE(solidTextPixels(doubled_), upscaledSolid * 3 / 2);
}

}  // namespace
}  // namespace chartview::testing
