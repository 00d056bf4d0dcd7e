#include "chartlib/layout/legend_layout.h"

#include <gtest/gtest.h>

#include "fake_text_metrics.h"

namespace ChartLib {
namespace {

using testing::FakeTextMetrics;

struct Case {
    const char* name;
    int entries;
    QRectF free;
    int expectedShown;
    int expectedLeftOut;
};

TEST(PlaceLegend, ListsWhatFitsAndCountsTheRest) {
    // Lines are 17 px (15 + 2) with 4 px padding above and below.
    const Case cases[] = {
        {"none", 0, {0, 0, 700, 500}, 0, 0},
        {"two series", 2, {0, 0, 700, 500}, 2, 0},
        {"exactly full", 10, {0, 0, 700, 178}, 10, 0},
        {"one too many", 11, {0, 0, 700, 178}, 9, 2},
        {"a hundred thousand records", 100000, {0, 0, 700, 500}, 27, 99973},
        {"room for one line", 5, {0, 0, 700, 30}, 0, 5},
        {"no room at all", 5, {0, 0, 700, 10}, 0, 0},
        {"too narrow", 5, {0, 0, 40, 500}, 0, 0},
    };
    const FakeTextMetrics metrics;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int reads = 0;
        const LegendSource source{c.entries,
                                  [&](int i) {
                                      ++reads;
                                      return QStringLiteral(" Series %1").arg(i + 1);
                                  },
                                  [](int) {
                                      return Fill{QColor(Qt::red), true, -1, QColor()};
                                  }};
        const LegendPlacement placed = placeLegend(c.free, source, metrics);
        const LegendGeometry& legend = placed.legend;
        EXPECT_EQ(int(legend.swatches.size()), c.expectedShown);
        EXPECT_EQ(int(legend.labels.size()), c.expectedShown);
        EXPECT_EQ(legend.leftOut, c.expectedLeftOut);
        EXPECT_EQ(reads, c.expectedShown);
        if (c.expectedLeftOut > 0) {
            EXPECT_EQ(legend.more.text, QStringLiteral("+%1 more").arg(c.expectedLeftOut));
        }
        if (legend.frame.isEmpty()) {
            EXPECT_EQ(placed.rest, c.free);
            continue;
        }
        EXPECT_TRUE(c.free.contains(legend.frame));
        EXPECT_LE(placed.rest.right(), legend.frame.left());
        EXPECT_LE(legend.frame.width(), c.free.width() * 0.4);
        std::vector<QRectF> boxes;
        for (std::size_t i = 0; i < legend.labels.size(); ++i) {
            boxes.push_back(legend.swatches[i].rect);
            boxes.push_back(legend.labels[i].box);
        }
        if (!legend.more.text.isEmpty()) {
            boxes.push_back(legend.more.box);
        }
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(legend.frame.contains(boxes[i])) << "box " << i;
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                EXPECT_FALSE(boxes[i].intersects(boxes[j])) << "boxes " << i << ", " << j;
            }
        }
    }
}

TEST(PlaceLegend, LongLabelsAreElidedToTheLegendWidth) {
    const FakeTextMetrics metrics;
    const LegendSource source{1, [](int) { return QString(200, QChar(u'x')); },
                              [](int) {
                                  return Fill{QColor(Qt::red), true, -1, QColor()};
                              }};
    const LegendPlacement placed = placeLegend({0, 0, 500, 300}, source, metrics);
    ASSERT_EQ(placed.legend.labels.size(), 1u);
    const TextBox& label = placed.legend.labels[0];
    EXPECT_TRUE(label.text.endsWith(QChar(0x2026)));
    EXPECT_LE(metrics.width(label.text), label.box.width());
    EXPECT_LE(placed.legend.frame.width(), 200);
}

}  // namespace
}  // namespace ChartLib
