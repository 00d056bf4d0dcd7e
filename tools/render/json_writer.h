#pragma once

#include <QStringView>

#include <string>

namespace chartview {

// Appends JSON tokens to a string, written by hand so that every UTF-16 code unit, lone
// surrogates included, survives as an escape and doubles round-trip exactly.
class JsonWriter {
public:
    std::string& text() { return out_; }

    void string(QStringView text);
    void number(double value);  // NaN and infinities as strings
    void integer(long long value);
    void boolean(bool value) { out_ += value ? "true" : "false"; }
    void null() { out_ += "null"; }
    void key(const char* name);  // "name": (ASCII names)
    void raw(const char* token) { out_ += token; }

private:
    std::string out_;
};

}  // namespace chartview
