#include "data/value_codec.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>

namespace chartview::data {
namespace {

std::uint64_t bitsOf(double value) {
    return std::bit_cast<std::uint64_t>(value);
}
double fromBits(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

// The bits parseValue reads from `text`, or a failure naming the error.
std::uint64_t parsedBits(std::string_view text) {
    const auto result = parseValue(text);
    if (const auto* error = std::get_if<ValueError>(&result)) {
        ADD_FAILURE() << "\"" << text << "\" " << error->message;
        return 0;
    }
    return bitsOf(std::get<double>(result));
}

struct FormatCase {
    const char* name;
    std::uint64_t bits;
    std::string text;
};

TEST(ValueCodec, WritesShortestTextThatReadsBackToTheSameBits) {
    const FormatCase cases[] = {
        {"zero", 0x0000000000000000, "0"},
        {"negative zero", 0x8000000000000000, "-0"},
        {"one and a half", bitsOf(-1.5), "-1.5"},
        {"a tenth", bitsOf(0.1), "0.1"},
        {"1e308", bitsOf(1e308), "1e+308"},
        {"largest double", 0x7FEFFFFFFFFFFFFF, "1.7976931348623157e+308"},
        {"smallest normal", 0x0010000000000000, "2.2250738585072014e-308"},
        {"largest denormal", 0x000FFFFFFFFFFFFF, "2.225073858507201e-308"},
        {"smallest denormal", 0x0000000000000001, "5e-324"},
        {"negative smallest denormal", 0x8000000000000001, "-5e-324"},
        {"infinity", 0x7FF0000000000000, "inf"},
        {"negative infinity", 0xFFF0000000000000, "-inf"},
        {"quiet NaN", 0x7FF8000000000000, "nan"},
        {"negative quiet NaN", 0xFFF8000000000000, "-nan"},
        {"quiet NaN with payload", 0x7FF8000000000001, "0x7ff8000000000001"},
        {"signalling NaN", 0x7FF0000000000001, "0x7ff0000000000001"},
        {"negative signalling NaN", 0xFFF4000000000000, "0xfff4000000000000"},
        {"all ones", 0xFFFFFFFFFFFFFFFF, "0xffffffffffffffff"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatValue(fromBits(c.bits)), c.text);
        EXPECT_EQ(parsedBits(c.text), c.bits);
    }
}

// Random bit patterns cover exponents and NaN payloads no table names.
TEST(ValueCodec, RandomBitPatternsRoundTrip) {
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t bits = random();
        if (i % 4 == 0) {
            bits |= 0x7FF0000000000000;  // a NaN or an infinity
        }
        ASSERT_EQ(parsedBits(formatValue(fromBits(bits))), bits) << std::hex << bits;
    }
}

struct ParseCase {
    const char* name;
    const char* text;
    std::uint64_t bits;
};

TEST(ValueCodec, ReadsOtherSpellings) {
    const ParseCase cases[] = {
        {"integer", "42", bitsOf(42)},
        {"upper-case exponent", "1E5", bitsOf(1e5)},
        {"leading point", ".5", bitsOf(0.5)},
        {"trailing point", "5.", bitsOf(5)},
        {"many digits rounded once", "0.1000000000000000055511151231257827", bitsOf(0.1)},
        {"INF", "INF", 0x7FF0000000000000},
        {"Infinity", "Infinity", 0x7FF0000000000000},
        {"-infinity", "-infinity", 0xFFF0000000000000},
        {"NaN", "NaN", 0x7FF8000000000000},
        {"-NAN", "-NAN", 0xFFF8000000000000},
        {"upper-case bit pattern", "0X7FF8ABCDEF012345", 0x7FF8ABCDEF012345},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parsedBits(c.text), c.bits);
    }
}

struct ErrorCase {
    const char* text;
    const char* message;
};

TEST(ValueCodec, RejectsAnythingElse) {
    const char* notNumber = "is not a number";
    const char* badPattern = "is not a number (a 0x bit pattern has exactly 16 hex digits)";
    const ErrorCase cases[] = {
        {"", "is empty"},
        {" 1", notNumber},
        {"1 ", notNumber},
        {"+1", notNumber},
        {"1,5", notNumber},
        {"1e", notNumber},
        {"--1", notNumber},
        {"infin", notNumber},
        {"one", notNumber},
        {"-0x7ff8000000000001", notNumber},
        {"1e400", "is out of the range of a double"},
        {"-1e400", "is out of the range of a double"},
        {"1e-400", "is out of the range of a double"},
        {"nan(0x5)", "is a NaN with a payload (write its bits as 0x and 16 hex digits)"},
        {"0x", badPattern},
        {"0x1p3", badPattern},
        {"0x7ff800000000001", badPattern},
        {"0x7ff80000000000001", badPattern},
        {"0x3ff0000000000000", "is a 0x bit pattern that is not a NaN (write numbers in decimal)"},
        {"0x7ff0000000000000", "is a 0x bit pattern that is not a NaN (write numbers in decimal)"},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.text);
        const auto result = parseValue(c.text);
        ASSERT_TRUE(std::holds_alternative<ValueError>(result));
        EXPECT_EQ(std::get<ValueError>(result).message, c.message);
    }
}

}  // namespace
}  // namespace chartview::data
