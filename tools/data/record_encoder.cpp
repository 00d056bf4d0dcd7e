#include "data/record_encoder.h"

#include <QtEndian>

#include <bit>
#include <cstdint>

namespace chartview::data {

namespace {
constexpr std::size_t kValue1Offset = 256;
constexpr std::size_t kValue2Offset = 392;
}  // namespace

std::array<std::byte, kRecordSize> encodeRecord(const ChartRecord& record) {
    std::array<std::byte, kRecordSize> bytes{};
    for (int i = 0; i < kLabelUnits; ++i) {
        qToLittleEndian(static_cast<quint16>(record.label[i]), bytes.data() + 2 * i);
    }
    qToLittleEndian(std::bit_cast<quint64>(record.value1), bytes.data() + kValue1Offset);
    qToLittleEndian(std::bit_cast<quint64>(record.value2), bytes.data() + kValue2Offset);
    return bytes;
}

}  // namespace chartview::data
