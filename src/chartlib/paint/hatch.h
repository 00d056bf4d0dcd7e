#pragma once

#include <QBrush>
#include <QColor>

#include <array>
#include <cstdint>

namespace ChartLib {

// The 8x8 tile of a hatch pattern: row 0 at the top, bit 7 the leftmost pixel, a set bit
// drawn in ink.
using HatchBits = std::array<std::uint8_t, 8>;

// The tile of pattern code `code` (0 .. kPatternCodeCount-1); all bits clear for any other
// code. Pure: the same code always gives the same tile.
HatchBits hatchBits(int code);

// A brush that draws pattern code `code` (0 .. kPatternCodeCount-1) as a hatch in `ink` over
// transparent ground, so that a fill drawn first shows through. Every code looks distinct.
// Any other code gives Qt::NoBrush.
QBrush hatchBrush(int code, const QColor& ink);

}  // namespace ChartLib
