#pragma once

#include <QFont>

namespace ChartLib {

// The one face of every chart text: "IPAPGothic" (fontconfig falls back where it is missing)
// at 9 pt, given as a pixel size at 96 px per inch so that every device shows the same size.
QFont chartFont();

// 9 pt at 96 px per inch.
inline constexpr int kChartFontPixels = 12;

}  // namespace ChartLib
