#pragma once

#include <QBrush>
#include <QColor>

namespace ChartLib {

// A brush that draws pattern code `code` (0 .. kPatternCodeCount-1) as a hatch in `ink` over
// transparent ground, so that a fill drawn first shows through. Every code looks distinct.
QBrush hatchBrush(int code, const QColor& ink);

}  // namespace ChartLib
