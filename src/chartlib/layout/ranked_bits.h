#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ChartLib {

// A fixed set of flags over [0, size()) that tells how many are set before an index and where
// the next set one is, each in O(log size), in about 1.1 bits a flag: a million series' flags
// cost 140 KB.
class RankedBits {
public:
    RankedBits() = default;
    // Flag i is flag(i), asked once for each i in [0, size), in order.
    template <class Flag>
    static RankedBits of(int size, Flag&& flag) {
        std::vector<std::uint64_t> words((static_cast<std::size_t>(std::max(size, 0)) + 63) / 64);
        for (int i = 0; i < size; ++i) {
            if (flag(i)) {
                words[static_cast<std::size_t>(i) / 64] |= std::uint64_t{1} << (i % 64);
            }
        }
        return RankedBits(std::move(words), size);
    }

    int size() const { return size_; }
    int count() const { return counts_.empty() ? 0 : static_cast<int>(counts_.back()); }
    // Whether flag `index` (in range) is set.
    bool test(int index) const {
        return (words_[static_cast<std::size_t>(index) / 64] >> (index % 64)) & 1;
    }
    // How many flags in [0, index) are set; `index` is clamped to [0, size()].
    int countBefore(int index) const;
    // The first set flag at or after `from`; size() when there is none.
    int next(int from) const;

private:
    RankedBits(std::vector<std::uint64_t> words, int size);

    int size_ = 0;
    std::vector<std::uint64_t> words_;
    // counts_[b]: flags set in the blocks of kBlockWords words before block b; one more entry
    // than blocks, the last the total.
    std::vector<std::uint32_t> counts_;
};

}  // namespace ChartLib
