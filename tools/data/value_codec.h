#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace chartview::data {

// Values as CSV text. Numbers are read and written by std::from_chars / std::to_chars, so the
// shortest text that reads back to the same double is written (-0 stays "-0"). Infinities are
// "inf" and "-inf"; reading also takes "infinity" in any case. The quiet NaN and its negative
// are "nan" and "-nan"; every other NaN (payload or signalling bit) is its IEEE-754 bit
// pattern as "0x" and exactly 16 hex digits, for example 0x7ff8000000000001.

// Why a value text cannot be read, for example "is not a number".
struct ValueError {
    std::string message;
};

// The double that `text` stands for. Empty text, leading or trailing spaces, a '+' sign,
// hex floats, numbers beyond the double range, "nan(...)" and a 0x form that is not a NaN
// are errors.
std::variant<double, ValueError> parseValue(std::string_view text);

// The text that parseValue reads back to the same bits as `value`.
std::string formatValue(double value);

}  // namespace chartview::data
