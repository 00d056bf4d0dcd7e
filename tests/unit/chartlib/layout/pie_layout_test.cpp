#include "chartlib/layout/pie_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chartlib/layout/chart_layout.h"
#include "fake_text_metrics.h"
#include "test_models.h"

namespace ChartLib {
namespace {

using testing::FakeTextMetrics;

const QRectF kArea(0, 0, 779, 530);

std::vector<double> rampValues(int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(1 + (i * 7919) % 101);
    }
    return values;
}

struct Case {
    const char* name;
    std::vector<double> values;
};

// Labels, legend entries and the pie never share a pixel, and the counts add up.
TEST(PieLayout, LabelsNeverOverlapEachOtherThePieOrTheLegend) {
    const Case cases[] = {
        {"one slice", {42}},
        {"sixteen slices", rampValues(16)},
        {"sixteen equal slices", std::vector<double>(16, 1.0)},
        {"one big and many small",
         [] {
             std::vector<double> v(60, 1.0);
             v[0] = 1000;
             return v;
         }()},
        {"five hundred slices", rampValues(500)},
        {"a hundred thousand slices", rampValues(100000)},
    };
    const FakeTextMetrics metrics;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartModel model = testing::pieModel(c.values);
        const ChartGeometry geometry = layoutChart(model, kArea, metrics);
        const PieGeometry& pie = geometry.pie;
        ASSERT_GT(pie.radius, 50);
        EXPECT_EQ(int(pie.labels.size()) + pie.labelsLeftOut, int(c.values.size()));
        EXPECT_EQ(int(geometry.legend.labels.size()) + geometry.legend.leftOut,
                  int(c.values.size()));
        if (pie.labelsLeftOut > 0) {
            EXPECT_EQ(pie.more.text, QStringLiteral("+%1 more").arg(pie.labelsLeftOut));
        } else {
            EXPECT_TRUE(pie.more.text.isEmpty());
        }
        std::vector<QRectF> boxes;
        for (const PieLabel& label : pie.labels) {
            EXPECT_FALSE(testing::meetsDisc(label.text.box, pie.center, pie.radius));
            EXPECT_TRUE(geometry.legend.frame.isEmpty() ||
                        !label.text.box.intersects(geometry.legend.frame));
            EXPECT_LE(metrics.width(label.text.text), label.text.box.width() + 1e-9);
            boxes.push_back(label.text.box);
        }
        for (const TextBox& text : {pie.caption, pie.more}) {
            if (!text.text.isEmpty()) {
                EXPECT_FALSE(testing::meetsDisc(text.box, pie.center, pie.radius));
                boxes.push_back(text.box);
            }
        }
        for (const TextBox& label : geometry.legend.labels) {
            boxes.push_back(label.box);
        }
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(kArea.contains(boxes[i]));
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                ASSERT_FALSE(boxes[i].intersects(boxes[j])) << "boxes " << i << ", " << j;
            }
        }
        EXPECT_FALSE(testing::meetsDisc(geometry.legend.frame, pie.center, pie.radius));
        EXPECT_LE(pie.slices.size(), std::size_t(4 * M_PI * pie.radius + 1));
    }
}

TEST(PieLayout, SlicesStartAtTwelveAndGoClockwiseInSeriesOrder) {
    const ChartModel model = testing::pieModel({1, 3});
    const PieGeometry pie = layoutChart(model, kArea, FakeTextMetrics()).pie;
    ASSERT_EQ(pie.slices.size(), 2u);
    EXPECT_DOUBLE_EQ(pie.slices[0].startDegrees, 0);
    EXPECT_DOUBLE_EQ(pie.slices[0].spanDegrees, 90);
    EXPECT_DOUBLE_EQ(pie.slices[1].startDegrees, 90);
    EXPECT_DOUBLE_EQ(pie.slices[1].spanDegrees, 270);
    ASSERT_EQ(pie.labels.size(), 2u);
    EXPECT_EQ(pie.labels[0].text.text, QStringLiteral("25%"));
    EXPECT_EQ(pie.labels[1].text.text, QStringLiteral("75%"));
    // The first slice's label is right of the centre, the second's (middle at 225) left.
    EXPECT_GT(pie.labels[0].text.box.left(), pie.center.x());
    EXPECT_LT(pie.labels[1].text.box.right(), pie.center.x());
}

TEST(PieLayout, OnlyNonNegativeFiniteValuesMakeSlices) {
    const double nan = std::nan("");
    const ChartModel model = testing::pieModel({-5, 1, nan, INFINITY, 1, -0.0});
    const PieGeometry pie = layoutChart(model, kArea, FakeTextMetrics()).pie;
    ASSERT_EQ(pie.slices.size(), 2u);
    EXPECT_DOUBLE_EQ(pie.slices[0].spanDegrees, 180);
    EXPECT_DOUBLE_EQ(pie.slices[1].startDegrees, 180);
    // -0 is a slice of no angle: its label "0%" still counts.
    EXPECT_EQ(int(pie.labels.size()) + pie.labelsLeftOut, 3);
}

TEST(PieLayout, ZeroTotalDrawsTheCircleAlone) {
    const Case cases[] = {{"zeros", {0, 0, 0}}, {"negatives", {-1, -2}}, {"no series", {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PieGeometry pie =
            layoutChart(testing::pieModel(c.values), kArea, FakeTextMetrics()).pie;
        EXPECT_GT(pie.radius, 50);
        EXPECT_TRUE(pie.slices.empty());
        EXPECT_TRUE(pie.labels.empty());
        EXPECT_EQ(pie.labelsLeftOut, 0);
        EXPECT_TRUE(pie.more.text.isEmpty());
    }
}

TEST(PieLayout, SingleSliceReadsAHundredPercentAndTheCaptionIsRowZero) {
    const PieGeometry pie = layoutChart(testing::pieModel({7}), kArea, FakeTextMetrics()).pie;
    ASSERT_EQ(pie.slices.size(), 1u);
    EXPECT_DOUBLE_EQ(pie.slices[0].spanDegrees, 360);
    ASSERT_EQ(pie.labels.size(), 1u);
    EXPECT_EQ(pie.labels[0].text.text, QStringLiteral("100%"));
    EXPECT_EQ(pie.caption.text, QStringLiteral(" Pie"));
    EXPECT_LT(pie.caption.box.bottom(), pie.center.y() - pie.radius);
}

TEST(PieLayout, SlicesWithoutTheShareLabelAreNotLabelled) {
    ChartModel model = testing::pieModel({1, 1, 1, 1});
    model.setLabelComponent(1, kComponentValue);
    model.setLabelLocation(2, kLocationNone);
    const PieGeometry pie = layoutChart(model, kArea, FakeTextMetrics()).pie;
    ASSERT_EQ(pie.labels.size(), 2u);
    EXPECT_EQ(pie.labels[0].series, 0);
    EXPECT_EQ(pie.labels[1].series, 3);
}

}  // namespace
}  // namespace ChartLib
