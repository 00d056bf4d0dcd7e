#include "chartlib/layout/ranked_bits.h"

#include <algorithm>
#include <bit>

namespace ChartLib {

namespace {

constexpr std::size_t kBlockWords = 8;

}  // namespace

RankedBits::RankedBits(std::vector<std::uint64_t> words, int size)
    : size_(std::max(size, 0)), words_(std::move(words)) {
    const std::size_t blocks = (words_.size() + kBlockWords - 1) / kBlockWords;
    counts_.assign(blocks + 1, 0);
    for (std::size_t w = 0; w < words_.size(); ++w) {
        counts_[w / kBlockWords + 1] += static_cast<std::uint32_t>(std::popcount(words_[w]));
    }
    for (std::size_t b = 1; b <= blocks; ++b) {
        counts_[b] += counts_[b - 1];
    }
}

int RankedBits::countBefore(int index) const {
    index = std::clamp(index, 0, size_);
    const auto word = static_cast<std::size_t>(index) / 64;
    const std::size_t block = word / kBlockWords;
    std::uint32_t count = counts_.empty() ? 0 : counts_[block];
    for (std::size_t w = block * kBlockWords; w < word; ++w) {
        count += static_cast<std::uint32_t>(std::popcount(words_[w]));
    }
    if (index % 64 != 0) {
        const std::uint64_t below = (std::uint64_t{1} << (index % 64)) - 1;
        count += static_cast<std::uint32_t>(std::popcount(words_[word] & below));
    }
    return static_cast<int>(count);
}

int RankedBits::next(int from) const {
    from = std::max(from, 0);
    if (from >= size_) {
        return size_;
    }
    auto word = static_cast<std::size_t>(from) / 64;
    std::uint64_t bits = words_[word] & (~std::uint64_t{0} << (from % 64));
    // The rest of this block word by word; past it, the first block that holds a flag.
    const std::size_t blockEnd = std::min((word / kBlockWords + 1) * kBlockWords, words_.size());
    while (bits == 0 && ++word < blockEnd) {
        bits = words_[word];
    }
    if (bits == 0) {
        if (word >= words_.size()) {
            return size_;
        }
        const std::size_t block = word / kBlockWords;  // `word` starts it
        const auto later =
            std::upper_bound(counts_.begin() + static_cast<std::ptrdiff_t>(block + 1),
                             counts_.end(), counts_[block]);
        if (later == counts_.end()) {
            return size_;
        }
        word = static_cast<std::size_t>(later - counts_.begin() - 1) * kBlockWords;
        while ((bits = words_[word]) == 0) {
            ++word;
        }
    }
    return static_cast<int>(word * 64) + std::countr_zero(bits);
}

}  // namespace ChartLib
