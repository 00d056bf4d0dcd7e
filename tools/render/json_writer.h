#pragma once

#include <QStringView>

#include <string>
#include <vector>

namespace chartview {

// Writes one JSON document into a string, by hand, so that every UTF-16 code unit (lone
// surrogates included) survives as an escape and doubles round-trip exactly. Commas between
// members and elements are placed by the writer.
class JsonWriter {
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    // Starts an object member: writes `"name":` (names are ASCII).
    void key(const char* name);

    void string(QStringView text);
    void number(double value);  // NaN and infinities as the strings "NaN", "±Infinity"
    void integer(long long value);
    void boolean(bool value);
    void null();

    std::string take() { return std::move(out_); }
    void reserve(std::size_t bytes) { out_.reserve(bytes); }

private:
    void open(char bracket);
    void close(char bracket);
    void beforeValue();

    std::string out_;
    std::vector<bool> firstInLevel_;  // one per open object or array
    bool afterKey_ = false;
};

}  // namespace chartview
