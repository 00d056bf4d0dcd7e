#include "data/value_codec.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace chartview::data {

namespace {

constexpr std::uint64_t kSignBit = 0x8000000000000000;
constexpr std::uint64_t kQuietNanBits = 0x7FF8000000000000;
constexpr std::size_t kBitDigits = 16;

bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
    return std::ranges::equal(text, lower, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

// from_chars reads "nan(...)" but drops what is in the brackets; only the plain forms are
// exact.
bool isPlainNan(std::string_view text) {
    return equalsIgnoringCase(text, "nan") || equalsIgnoringCase(text, "-nan");
}

std::variant<double, ValueError> parseNanBits(std::string_view digits) {
    std::uint64_t bits = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, bits, 16);
    if (digits.size() != kBitDigits || error != std::errc{} || stop != end) {
        return ValueError{"is not a number (a 0x bit pattern has exactly 16 hex digits)"};
    }
    const double value = std::bit_cast<double>(bits);
    if (!std::isnan(value)) {
        return ValueError{"is a 0x bit pattern that is not a NaN (write numbers in decimal)"};
    }
    return value;
}

}  // namespace

std::variant<double, ValueError> parseValue(std::string_view text) {
    if (text.empty()) {
        return ValueError{"is empty"};
    }
    if (text.starts_with("0x") || text.starts_with("0X")) {
        return parseNanBits(text.substr(2));
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error == std::errc::result_out_of_range) {
        return ValueError{"is out of the range of a double"};
    }
    if (error != std::errc{} || stop != end) {
        return ValueError{"is not a number"};
    }
    if (std::isnan(value) && !isPlainNan(text)) {
        return ValueError{"is a NaN with a payload (write its bits as 0x and 16 hex digits)"};
    }
    return value;
}

std::string formatValue(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    char buffer[32];
    if (std::isnan(value) && (bits & ~kSignBit) != kQuietNanBits) {
        buffer[0] = '0';
        buffer[1] = 'x';
        // A NaN's exponent bits are all ones, so the pattern always has its 16 digits.
        return std::string(buffer, std::to_chars(buffer + 2, std::end(buffer), bits, 16).ptr);
    }
    return std::string(buffer, std::to_chars(buffer, std::end(buffer), value).ptr);
}

}  // namespace chartview::data
