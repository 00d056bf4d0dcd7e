#include "chartlib/layout/category_labels.h"

#include <gtest/gtest.h>

#include "fake_text_metrics.h"

namespace ChartLib {
namespace {

using testing::FakeTextMetrics;

struct Case {
    const char* name;
    std::int64_t rows;
    double width;
    const char* label;
};

TEST(CategoryLabels, NeverCollideAndOnlyShownLabelsAreRead) {
    const Case cases[] = {
        {"one row", 1, 700, " Only"},
        {"ten rows of short labels", 10, 700, " Jan"},
        {"ten rows of long labels", 10, 700, " A label far too long for its slot"},
        {"a thousand rows", 1000, 700, " 12345"},
        {"a million rows", 1000000, 779, " record label"},
        {"narrow plot", 1000, 30, " x"},
        {"two billion rows", 2000000000, 779, " y"},
    };
    const FakeTextMetrics metrics;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double left = 50;
        const double right = left + c.width;
        std::int64_t reads = 0;
        std::int64_t lastRow = -1;
        const auto boxes = placeCategoryLabels(
            c.rows, left, right, 400,
            [&](std::int64_t row) {
                ++reads;
                EXPECT_GT(row, lastRow);
                EXPECT_LT(row, c.rows);
                lastRow = row;
                return QString::fromLatin1(c.label);
            },
            metrics);
        const auto slots = planCategoryLabels(c.rows, c.width, 4 * metrics.lineHeight()).slots;
        EXPECT_LE(reads, slots);
        EXPECT_LE(reads, static_cast<std::int64_t>(c.width / (4 * metrics.lineHeight())) + 1);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_GE(boxes[i].box.left(), left);
            EXPECT_LE(boxes[i].box.right(), right);
            EXPECT_FALSE(boxes[i].text.isEmpty());
            EXPECT_LE(metrics.width(boxes[i].text), boxes[i].box.width());
            if (i > 0) {
                EXPECT_LE(boxes[i - 1].box.right(), boxes[i].box.left());
            }
        }
        if (c.width >= 4 * metrics.lineHeight()) {
            EXPECT_GE(boxes.size(), 1u);
        }
    }
}

TEST(CategoryLabels, WideGroupsLabelEveryRowUnderItsGroup) {
    const FakeTextMetrics metrics;
    const auto boxes = placeCategoryLabels(
        4, 0, 400, 0, [](std::int64_t row) { return QString::number(row); }, metrics);
    ASSERT_EQ(boxes.size(), 4u);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(boxes[std::size_t(row)].text, QString::number(row));
        EXPECT_DOUBLE_EQ(boxes[std::size_t(row)].box.center().x(), 50 + 100 * row);
    }
}

}  // namespace
}  // namespace ChartLib
