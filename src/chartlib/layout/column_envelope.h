#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace ChartLib {

// The values that fall into one pixel column: their minimum and maximum (the M4 idea for
// bars: a column of sub-pixel bars shows exactly the span from its lowest to its highest
// value), and the tag of the value of largest magnitude, which decides the column's colour
// when several sequences share one envelope.
struct ColumnEnvelope {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    int source = -1;

    bool empty() const { return low > high; }
    double magnitude() const { return std::max(std::abs(low), std::abs(high)); }
};

// Where a sequence lies across the columns: item i is centred at x = origin + i * pitch,
// in pixels from the left edge of column 0, and belongs to column floor(x).
struct ColumnMapping {
    double origin = 0.5;
    double pitch = 1;

    std::int64_t columnOf(std::int64_t item) const {
        return static_cast<std::int64_t>(std::floor(origin + static_cast<double>(item) * pitch));
    }
};

// Adds `part` to `into` as if its values came after those already in: the tag goes with the
// first value of the largest magnitude.
inline void joinEnvelope(ColumnEnvelope& into, const ColumnEnvelope& part) {
    if (part.empty()) {
        return;
    }
    if (into.empty() || part.magnitude() > into.magnitude()) {
        into.source = part.source;
    }
    into.low = std::min(into.low, part.low);
    into.high = std::max(into.high, part.high);
}

// The envelope of items [begin, end) taken together, tagged `sourceTag`. `valueAt(i)` returns
// std::optional<double>; empty and non-finite values count nowhere.
template <class ValueAt>
ColumnEnvelope envelopeOf(std::int64_t begin, std::int64_t end, int sourceTag, ValueAt&& valueAt) {
    ColumnEnvelope envelope;
    for (std::int64_t item = begin; item < end; ++item) {
        const std::optional<double> value = valueAt(item);
        if (value && std::isfinite(*value)) {
            envelope.low = std::min(envelope.low, *value);
            envelope.high = std::max(envelope.high, *value);
        }
    }
    envelope.source = envelope.empty() ? -1 : sourceTag;
    return envelope;
}

// Adds items [begin, end) to the envelopes of the columns they fall in (see envelopeOf);
// items outside the columns are skipped. `sourceTag` marks a column's value of largest
// magnitude (the first such). One pass, no allocation: the cost is the items' count, the
// memory the columns'. The mapping must never move left (pitch >= 0).
template <class ValueAt>
void addToEnvelopes(std::span<ColumnEnvelope> columns, std::int64_t begin, std::int64_t end,
                    ColumnMapping mapping, int sourceTag, ValueAt&& valueAt) {
    const auto columnCount = static_cast<std::int64_t>(columns.size());
    std::int64_t item = begin;
    while (item < end) {
        // Items of one column lie side by side: take them as one run.
        const std::int64_t column = mapping.columnOf(item);
        std::int64_t runEnd = item + 1;
        while (runEnd < end && mapping.columnOf(runEnd) == column) {
            ++runEnd;
        }
        if (column >= 0 && column < columnCount) {
            joinEnvelope(columns[static_cast<std::size_t>(column)],
                         envelopeOf(item, runEnd, sourceTag, valueAt));
        }
        item = runEnd;
    }
}

template <class ValueAt>
void addToEnvelopes(std::span<ColumnEnvelope> columns, std::int64_t count, ColumnMapping mapping,
                    int sourceTag, ValueAt&& valueAt) {
    addToEnvelopes(columns, 0, count, mapping, sourceTag, valueAt);
}

// The envelopes of one sequence cut into blocks of neighbouring items, made in one pass over
// the values. Later, for any column mapping, a block that falls inside one column joins it
// whole and only blocks across a column edge are read again, so mapping a sequence costs
// its blocks plus about a block per column rather than another pass over every item.
class BlockEnvelopes {
public:
    BlockEnvelopes() = default;

    // Blocks of `blockSize` items (at least 1; the last may be shorter) of items 0..count-1.
    template <class ValueAt>
    static BlockEnvelopes scan(std::int64_t count, std::int64_t blockSize, int sourceTag,
                               ValueAt&& valueAt) {
        BlockEnvelopes blocks;
        blocks.count_ = std::max<std::int64_t>(count, 0);
        blocks.blockSize_ = std::max<std::int64_t>(blockSize, 1);
        const std::int64_t blockCount = (blocks.count_ + blocks.blockSize_ - 1) / blocks.blockSize_;
        blocks.blocks_.resize(static_cast<std::size_t>(blockCount));
        for (std::int64_t block = 0; block < blockCount; ++block) {
            const std::int64_t first = block * blocks.blockSize_;
            const std::int64_t end = std::min(blocks.count_, first + blocks.blockSize_);
            blocks.blocks_[static_cast<std::size_t>(block)] =
                envelopeOf(first, end, sourceTag, valueAt);
        }
        return blocks;
    }

    // The envelope of every item together.
    ColumnEnvelope total() const {
        ColumnEnvelope all;
        for (const ColumnEnvelope& block : blocks_) {
            joinEnvelope(all, block);
        }
        return all;
    }

    // Exactly what addToEnvelopes(columns, count, mapping, sourceTag, valueAt) gives, for a
    // mapping that never moves left (pitch >= 0); `valueAt` and `sourceTag` must be those
    // given to scan.
    template <class ValueAt>
    void addTo(std::span<ColumnEnvelope> columns, ColumnMapping mapping, int sourceTag,
               ValueAt&& valueAt) const {
        const auto columnCount = static_cast<std::int64_t>(columns.size());
        for (std::size_t block = 0; block < blocks_.size(); ++block) {
            const std::int64_t first = static_cast<std::int64_t>(block) * blockSize_;
            const std::int64_t end = std::min(count_, first + blockSize_);
            const std::int64_t column = mapping.columnOf(first);
            if (column != mapping.columnOf(end - 1)) {
                addToEnvelopes(columns, first, end, mapping, sourceTag, valueAt);
            } else if (column >= 0 && column < columnCount) {
                joinEnvelope(columns[static_cast<std::size_t>(column)], blocks_[block]);
            }
        }
    }

private:
    std::int64_t count_ = 0;
    std::int64_t blockSize_ = 1;
    std::vector<ColumnEnvelope> blocks_;
};

}  // namespace ChartLib
