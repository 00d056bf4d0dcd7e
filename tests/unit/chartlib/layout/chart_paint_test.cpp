#include "chartlib/paint/chart_painter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chartlib/chart.h"
#include "chartlib/layout/chart_font.h"
#include "chartlib/layout/chart_layout.h"
#include "chartlib/layout/font_text_metrics.h"
#include "test_models.h"

namespace ChartLib {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kBlack{0, 0, 0};
const QSize kSize(779, 530);

// The chart drawn into an image of `size` logical pixels at `scale` device pixels each.
QImage paintedImage(const ChartModel& model, QSize size, double scale = 1) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintChart(painter, model, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

ChartGeometry layoutFor(const ChartModel& model, QSize size) {
    return layoutChart(model, QRectF(QPointF(0, 0), QSizeF(size)), FontTextMetrics(chartFont()));
}

int countPixels(const QImage& image, const QRectF& logical, double scale,
                const std::function<bool(QColor)>& wanted) {
    const QRect device = QRectF(logical.topLeft() * scale, logical.size() * scale).toRect();
    int count = 0;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            count += wanted(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool isDark(QColor color) {
    return color.alpha() == 255 && color.lightness() < 128;
}

ChartModel redYellowBars() {
    ChartModel model = testing::barModel({{1200, 2500}, {3100, 800}, {-700, 1500}});
    model.setShowLegend(true);
    model.setFillColor(0, kRed);
    model.setFillColor(1, kYellow);
    return model;
}

TEST(ChartPaint, BarsShowTheirSeriesColourInsideTheirRects) {
    for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale);
        const ChartModel model = redYellowBars();
        const QImage image = paintedImage(model, kSize, scale);
        const ChartGeometry geometry = layoutFor(model, kSize);
        ASSERT_EQ(geometry.bar.bars.size(), 6u);
        for (std::size_t i = 0; i < geometry.bar.bars.size(); ++i) {
            const QRectF rect = geometry.bar.bars[i].rect.adjusted(1, 1, -1, -1);
            const QColor expected = i % 2 == 0 ? QColor(255, 0, 0) : QColor(255, 255, 0);
            const int inside = countPixels(image, rect, scale, [](QColor) { return true; });
            EXPECT_EQ(countPixels(image, rect, scale, [&](QColor c) { return c == expected; }),
                      inside)
                << "bar " << i;
        }
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::white));
    }
}

TEST(ChartPaint, PatternedSliceShowsFillAndBlackInk) {
    ChartModel model = testing::pieModel({3});
    model.setFillColor(0, kRed);
    model.setBrushStyle(0, kBrushPattern);
    model.setPatternIndex(0, 5);
    model.setPatternColor(0, kBlack);
    const QImage image = paintedImage(model, kSize);
    const PieGeometry pie = layoutFor(model, kSize).pie;
    const double half = pie.radius / 2;
    const QRectF core(pie.center.x() - half, pie.center.y() - half, 2 * half, 2 * half);
    const int red = countPixels(image, core, 1, [](QColor c) { return c == QColor(255, 0, 0); });
    const int black = countPixels(image, core, 1, [](QColor c) { return c == QColor(0, 0, 0); });
    EXPECT_GT(red, 100);
    EXPECT_GT(black, 100);
}

TEST(ChartPaint, SingleSlicePieShowsAHundredPercentBesideIt) {
    ChartModel model = testing::pieModel({12.5});
    model.setFillColor(0, kRed);
    const QImage image = paintedImage(model, kSize);
    const PieGeometry pie = layoutFor(model, kSize).pie;
    ASSERT_EQ(pie.labels.size(), 1u);
    EXPECT_EQ(pie.labels[0].text.text, QStringLiteral("100%"));
    const QRectF box = pie.labels[0].text.box;
    EXPECT_GT(countPixels(image, box, 1, isDark), 10);
    // And no text pixels just beyond the label, between it and the circle's side.
    EXPECT_EQ(countPixels(image, box.translated(box.width() + 10, 0), 1, isDark), 0);
}

// A pie of `count` slices, from series 16 on patterned as the viewer patterns them.
ChartModel patternedPie(int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(1 + (i * 37) % 101);
    }
    ChartModel model = testing::pieModel(values);
    for (int s = 15; s < count; ++s) {
        model.setBrushStyle(s, kBrushPattern);
        model.setPatternIndex(s, s % kPatternCodeCount);
        model.setPatternColor(s, kBlack);
    }
    return model;
}

// Textured slices are filled in bands of rows unless the painter clips already: the bands
// must give the very pixels of one fill, at any scale.
TEST(ChartPaint, HardEdgedSlicesLookTheSameFilledInBandsOrWhole) {
    for (const int count : {100, 1000}) {
        const ChartModel model = patternedPie(count);
        for (const double scale : {1.0, 1.25, 1.5, 2.0}) {
            SCOPED_TRACE(::testing::Message() << count << " slices at scale " << scale);
            QImage whole(kSize * scale, QImage::Format_ARGB32_Premultiplied);
            whole.setDevicePixelRatio(scale);
            whole.fill(Qt::transparent);
            QPainter painter(&whole);
            painter.setClipRect(QRectF(QPointF(0, 0), QSizeF(kSize)));
            paintChart(painter, model, QRectF(QPointF(0, 0), QSizeF(kSize)));
            painter.end();
            EXPECT_EQ(paintedImage(model, kSize, scale), whole);
        }
    }
}

TEST(ChartPaint, TheControlDrawsSettingsChangedAfterItsFirstFrame) {
    Chart chart;
    chart.resize(kSize);
    DataArray data(2, 31);
    for (int s = 0; s < 30; ++s) {
        data.setNumber(1, s + 1, s + 1);
    }
    chart.setChartData(std::move(data));
    chart.setChartType(kChartType2dPie);
    const QImage before = chart.toImage(1);
    for (int i = 1; i <= 30; ++i) {
        DataPointLabelRef label =
            chart.Plot().SeriesCollection().Item(i).DataPoints().Item(-1).DataPointLabel();
        label.setLocationType(kLocationOutside);
        label.setComponent(kComponentPercent);
    }
    QImage fresh(kSize, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&fresh);
    paintChart(painter, chart.model(), QRectF(QPointF(0, 0), QSizeF(kSize)));
    painter.end();
    const QImage after = chart.toImage(1);
    EXPECT_NE(after, before);
    EXPECT_EQ(after, fresh);
}

TEST(ChartPaint, TextIsDrawnInThePixelSizedChartFont) {
    const QFont font = chartFont();
    EXPECT_EQ(font.pixelSize(), 12);
    EXPECT_EQ(font.family(), QStringLiteral("IPAPGothic"));
}

}  // namespace
}  // namespace ChartLib
