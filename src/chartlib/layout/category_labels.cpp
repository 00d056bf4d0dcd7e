#include "chartlib/layout/category_labels.h"

#include <algorithm>
#include <cmath>

#include "chartlib/layout/spacing.h"
#include "chartlib/layout/text_fit.h"

namespace ChartLib {

namespace {

// A slot holds about four lines' height of text, enough for a short label.
constexpr double kMinSlotLines = 4;

}  // namespace

CategoryLabelPlan planCategoryLabels(std::int64_t rows, double plotWidth, double minSlotWidth) {
    if (rows <= 0 || !(plotWidth > 0) || !std::isfinite(plotWidth)) {
        return {};
    }
    const double groupWidth = plotWidth / static_cast<double>(rows);
    const double wanted = std::ceil(std::max(minSlotWidth, 0.0) / groupWidth);
    const auto stride = static_cast<std::int64_t>(std::clamp(wanted, 1.0, double(rows)));
    return {stride, (rows + stride - 1) / stride};
}

std::vector<TextBox> placeCategoryLabels(std::int64_t rows, double left, double right, double top,
                                         const std::function<QString(std::int64_t)>& label,
                                         const TextMetrics& metrics) {
    const double width = right - left;
    const double height = metrics.lineHeight();
    const CategoryLabelPlan plan = planCategoryLabels(rows, width, kMinSlotLines * height);
    std::vector<TextBox> boxes;
    boxes.reserve(static_cast<std::size_t>(plan.slots));
    const double groupWidth = width / static_cast<double>(std::max<std::int64_t>(rows, 1));
    for (std::int64_t slot = 0; slot < plan.slots; ++slot) {
        const std::int64_t first = slot * plan.stride;
        const std::int64_t last = std::min(rows, first + plan.stride);
        const std::int64_t row = first + (last - first - 1) / 2;
        const double center = left + (static_cast<double>(row) + 0.5) * groupWidth;
        const double slotLeft = left + static_cast<double>(first) * groupWidth;
        const double slotRight = left + static_cast<double>(last) * groupWidth;
        const double room =
            2 * std::min(center - slotLeft - kGap / 2, slotRight - kGap / 2 - center);
        const QString text = fitText(label(row), std::floor(room), metrics);
        if (text.isEmpty()) {
            continue;
        }
        const double textWidth = metrics.width(text);
        boxes.push_back({QRectF(center - textWidth / 2, top, textWidth, height), text,
                         Qt::AlignHCenter | Qt::AlignTop});
    }
    return boxes;
}

}  // namespace ChartLib
