#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "chartlib/layout/chart_geometry.h"
#include "chartlib/layout/text_metrics.h"

namespace ChartLib {

// Which groups carry a label: the groups are cut into slots of `stride` neighbours, each slot
// at least `minSlotWidth` wide (or one group when groups are that wide), and the middle group
// of each slot is labelled within the slot.
struct CategoryLabelPlan {
    std::int64_t stride = 1;
    std::int64_t slots = 0;
};

// The plan for `rows` groups over `plotWidth` pixels; no slots when either is not positive.
CategoryLabelPlan planCategoryLabels(std::int64_t rows, double plotWidth, double minSlotWidth);

// Label boxes under `rows` groups spread evenly over [left, right], in a line from `top`:
// one per slot, centred under its group, fitted (elided) to its slot less a gap, so no two
// ever touch and none leaves [left, right]. `label(row)` is read only for labelled rows, so
// cost follows the labels shown, not the rows.
std::vector<TextBox> placeCategoryLabels(std::int64_t rows, double left, double right, double top,
                                         const std::function<QString(std::int64_t)>& label,
                                         const TextMetrics& metrics);

}  // namespace ChartLib
