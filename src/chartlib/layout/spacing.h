#pragma once

namespace ChartLib {

// Fixed distances of the chart's look, in logical pixels.
inline constexpr double kOuterMargin = 8;  // backdrop edge to content
inline constexpr double kGap = 4;          // between neighbouring parts and texts
inline constexpr double kLegendPadding = 4;

// Longest label prefix that is ever measured: wider than any area, so it draws the same.
inline constexpr int kMaxLabelUnits = 512;

}  // namespace ChartLib
