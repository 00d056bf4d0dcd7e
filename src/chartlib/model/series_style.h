#pragma once

#include <cstdint>

namespace ChartLib {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// Brush styles of the control.
enum BrushStyle : std::uint8_t { kBrushNull = 0, kBrushSolid = 1, kBrushPattern = 2 };
// Pattern codes the control accepts as a brush's `Index`: 0 .. kPatternCodeCount-1.
inline constexpr int kPatternCodeCount = 18;

// Label locations and components of a data point label (component is a bit set).
enum LabelLocation : std::uint8_t { kLocationNone = 0, kLocationOutside = 6 };
inline constexpr int kLabelLocationMax = 8;
enum LabelComponent : std::uint8_t { kComponentValue = 1, kComponentPercent = 2 };
inline constexpr int kLabelComponentMax = 15;

// Which settings of a series were made, so that defaults stay apart from set values.
enum SeriesSetting : std::uint8_t {
    kFillSet = 1 << 0,
    kStyleSet = 1 << 1,
    kIndexSet = 1 << 2,
    kPatternColorSet = 1 << 3,
    kLocationSet = 1 << 4,
    kComponentSet = 1 << 5,
    kPercentFormatSet = 1 << 6,
};

// The settings of one series' series-wide data point (its brush and its label). Kept small
// and flat: a pie may have a million series. Read values through ChartModel, which supplies
// the defaults of settings never made.
struct SeriesStyle {
    Rgb fill;
    Rgb patternColor;
    std::uint8_t brushStyle = kBrushSolid;
    std::uint8_t patternIndex = 0;
    std::uint8_t labelLocation = kLocationNone;
    std::uint8_t labelComponent = kComponentValue;
    std::uint8_t setMask = 0;
    std::uint32_t percentFormatId = 0;  // into ChartModel's format texts; 0 = ""
};
static_assert(sizeof(SeriesStyle) <= 16, "a million-series pie keeps its settings in 16 MB");

}  // namespace ChartLib
