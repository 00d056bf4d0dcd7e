#include "render/json_writer.h"

#include <charconv>
#include <cmath>

namespace chartview {

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!firstInLevel_.empty()) {
        if (!firstInLevel_.back()) {
            out_ += ',';
        }
        firstInLevel_.back() = false;
    }
}

void JsonWriter::open(char bracket) {
    beforeValue();
    out_ += bracket;
    firstInLevel_.push_back(true);
}

void JsonWriter::close(char bracket) {
    firstInLevel_.pop_back();
    out_ += bracket;
}

void JsonWriter::key(const char* name) {
    beforeValue();
    out_ += '"';
    out_ += name;
    out_ += "\":";
    afterKey_ = true;
}

void JsonWriter::string(QStringView text) {
    static constexpr char kHex[] = "0123456789abcdef";
    beforeValue();
    out_ += '"';
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit == u'"' || unit == u'\\') {
            out_ += '\\';
            out_ += static_cast<char>(unit);
        } else if (unit >= 0x20 && unit < 0x7f) {
            out_ += static_cast<char>(unit);
        } else {
            const char escape[] = {'\\',
                                   'u',
                                   kHex[unit >> 12],
                                   kHex[(unit >> 8) & 15],
                                   kHex[(unit >> 4) & 15],
                                   kHex[unit & 15]};
            out_.append(escape, sizeof escape);
        }
    }
    out_ += '"';
}

void JsonWriter::number(double value) {
    beforeValue();
    if (std::isnan(value)) {
        out_ += "\"NaN\"";
    } else if (std::isinf(value)) {
        out_ += value > 0 ? "\"Infinity\"" : "\"-Infinity\"";
    } else {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        const std::string_view digits(buffer, end - buffer);
        out_ += digits;
        // Keep it a float for readers that tell integers apart (and keep -0's sign).
        if (digits.find_first_of(".e") == std::string_view::npos) {
            out_ += ".0";
        }
    }
}

void JsonWriter::integer(long long value) {
    beforeValue();
    out_ += std::to_string(value);
}

void JsonWriter::boolean(bool value) {
    beforeValue();
    out_ += value ? "true" : "false";
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

}  // namespace chartview
