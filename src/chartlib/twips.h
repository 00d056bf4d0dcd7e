#pragma once

#include <cmath>

namespace ChartLib {

// Window and chart measures are in twips (1/1440 inch); a logical pixel is 15 twips, as at
// 96 dots per inch. Qt's device pixel ratio takes care of denser screens.
inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline double pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

}  // namespace ChartLib
