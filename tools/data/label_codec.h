#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace chartview::data {

// Labels as CSV text: UTF-8, plus two escapes so that any UTF-16 code unit can be written:
// `\uXXXX` (exactly four hex digits, either case) for one code unit, and `\\` for a backslash.

// Why a label text cannot be read, for example "invalid UTF-8 at byte 4".
struct LabelError {
    std::string message;
};

// The code units that `text` stands for: UTF-8 decoded to UTF-16 with the escapes undone.
// Invalid UTF-8 (overlong forms, encoded surrogates, truncated sequences), a backslash not
// starting one of the two escapes, and a `\u` without four hex digits are errors.
std::variant<std::u16string, LabelError> unescapeLabel(std::string_view text);

// The text that unescapeLabel reads back to exactly `units`. Written as `\uXXXX` (upper-case
// hex): zero units, control characters (C0, DEL, C1), unpaired surrogates and U+FEFF (so
// that no label can pass for a byte order mark); a backslash is written `\\`; every other
// unit, surrogate pairs included, as plain UTF-8. The text never holds a line break.
std::string escapeLabel(std::u16string_view units);

}  // namespace chartview::data
