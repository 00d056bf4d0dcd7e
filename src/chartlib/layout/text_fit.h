#pragma once

#include <QString>

#include "chartlib/layout/text_metrics.h"

namespace ChartLib {

// `text` as it fits in `maxWidth`: itself, an elided form, or "" when not even an ellipsis
// fits. Never wider than `maxWidth`.
QString fitText(const QString& text, double maxWidth, const TextMetrics& metrics);

// "+N more": the note shown where N items were left out.
QString moreText(long long leftOut);

}  // namespace ChartLib
