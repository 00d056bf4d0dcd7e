#include "data/label_codec.h"

#include <optional>

namespace chartview::data {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::optional<int> hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

// The escape at text[at] (a backslash) as one code unit; moves `at` past it.
std::optional<char16_t> readEscape(std::string_view text, std::size_t& at) {
    const std::string_view rest = text.substr(at + 1);
    if (rest.starts_with('\\')) {
        at += 2;
        return u'\\';
    }
    if (!rest.starts_with('u') || rest.size() < 5) {
        return std::nullopt;
    }
    char16_t unit = 0;
    for (const char c : rest.substr(1, 4)) {
        const std::optional<int> digit = hexValue(c);
        if (!digit) {
            return std::nullopt;
        }
        unit = static_cast<char16_t>(unit * 16 + *digit);
    }
    at += 6;
    return unit;
}

// The code point of the well-formed UTF-8 sequence at text[at]; moves `at` past it.
std::optional<char32_t> readUtf8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    // Lead bytes C0, C1 and F5..FF only ever start overlong or out-of-range forms.
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || text.size() - at < length) {
        return std::nullopt;
    }
    char32_t point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        point = (point << 6) | (next & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kShortest[length] || point > 0x10FFFF || isHighSurrogate(point) ||
        isLowSurrogate(point)) {
        return std::nullopt;
    }
    at += length;
    return point;
}

void appendUtf16(std::u16string& units, char32_t point) {
    if (point < 0x10000) {
        units += static_cast<char16_t>(point);
        return;
    }
    point -= 0x10000;
    units += static_cast<char16_t>(0xD800 + (point >> 10));
    units += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
}

void appendUtf8(std::string& text, char32_t point) {
    if (point < 0x80) {
        text += static_cast<char>(point);
        return;
    }
    const int tail = point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
    constexpr unsigned char kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
    text += static_cast<char>(kLeadMarks[tail] | (point >> (6 * tail)));
    for (int shift = 6 * (tail - 1); shift >= 0; shift -= 6) {
        text += static_cast<char>(0x80 | ((point >> shift) & 0x3F));
    }
}

bool needsEscape(char16_t unit) {
    const bool control = unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
    return control || isHighSurrogate(unit) || isLowSurrogate(unit) || unit == 0xFEFF;
}

void appendEscape(std::string& text, char16_t unit) {
    text += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        text += kHexDigits[(unit >> shift) & 0xF];
    }
}

}  // namespace

std::variant<std::u16string, LabelError> unescapeLabel(std::string_view text) {
    std::u16string units;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        if (text[at] == '\\') {
            const std::optional<char16_t> unit = readEscape(text, at);
            if (!unit) {
                return LabelError{"label has a bad escape at byte " + std::to_string(start + 1) +
                                  " (use \\uXXXX for a code unit, \\\\ for a backslash)"};
            }
            units += *unit;
        } else {
            const std::optional<char32_t> point = readUtf8(text, at);
            if (!point) {
                return LabelError{"label has invalid UTF-8 at byte " + std::to_string(start + 1)};
            }
            appendUtf16(units, *point);
        }
    }
    return units;
}

std::string escapeLabel(std::u16string_view units) {
    std::string text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (isHighSurrogate(unit) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            appendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00));
        } else if (unit == u'\\') {
            text += "\\\\";
        } else if (needsEscape(unit)) {
            appendEscape(text, unit);
        } else {
            appendUtf8(text, unit);
        }
    }
    return text;
}

}  // namespace chartview::data
