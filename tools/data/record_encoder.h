#pragma once

#include "input/record_reader.h"

#include <array>
#include <cstddef>

namespace chartview::data {

// The 400 little-endian bytes of `record`, the inverse of decodeRecord: the label's 64 code
// units, Value1 and Value2 at their places, zeros in the two ignored blocks.
std::array<std::byte, kRecordSize> encodeRecord(const ChartRecord& record);

}  // namespace chartview::data
