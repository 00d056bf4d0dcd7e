#include "data/record_row.h"

#include "data/label_codec.h"
#include "data/value_codec.h"

#include <algorithm>
#include <string_view>

namespace chartview::data {

namespace {

constexpr std::size_t kFieldCount = 3;

std::variant<double, RowError> valueFromField(const std::string& field, const char* name) {
    auto parsed = parseValue(field);
    if (auto* error = std::get_if<ValueError>(&parsed)) {
        return RowError{name + (" " + error->message)};
    }
    return std::get<double>(parsed);
}

std::variant<std::array<char16_t, kLabelUnits>, RowError> labelFromField(const std::string& field) {
    auto parsed = unescapeLabel(field);
    if (auto* error = std::get_if<LabelError>(&parsed)) {
        return RowError{std::move(error->message)};
    }
    const std::u16string& units = std::get<std::u16string>(parsed);
    if (units.size() > kLabelUnits) {
        return RowError{"label has " + std::to_string(units.size()) +
                        " UTF-16 code units; a record holds at most 64"};
    }
    std::array<char16_t, kLabelUnits> label{};
    std::ranges::copy(units, label.begin());
    return label;
}

void appendCsvField(std::string_view text, std::string& out) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

std::u16string_view withoutPadding(const std::array<char16_t, kLabelUnits>& label) {
    const std::u16string_view units(label.data(), label.size());
    const std::size_t last = units.find_last_not_of(u'\0');
    return last == std::u16string_view::npos ? std::u16string_view{} : units.substr(0, last + 1);
}

}  // namespace

std::variant<ChartRecord, RowError> recordFromFields(const std::vector<std::string>& fields) {
    if (fields.size() != kFieldCount) {
        return RowError{"expected 3 fields (label,value1,value2), found " +
                        std::to_string(fields.size())};
    }
    ChartRecord record;
    auto label = labelFromField(fields[0]);
    auto value1 = valueFromField(fields[1], "value1");
    auto value2 = valueFromField(fields[2], "value2");
    // Report the first bad field in row order.
    for (auto* error : {std::get_if<RowError>(&label), std::get_if<RowError>(&value1),
                        std::get_if<RowError>(&value2)}) {
        if (error) {
            return std::move(*error);
        }
    }
    record.label = std::get<0>(label);
    record.value1 = std::get<double>(value1);
    record.value2 = std::get<double>(value2);
    return record;
}

void appendRow(const ChartRecord& record, std::string& out) {
    appendCsvField(escapeLabel(withoutPadding(record.label)), out);
    out += ',';
    out += formatValue(record.value1);
    out += ',';
    out += formatValue(record.value2);
    out += '\n';
}

}  // namespace chartview::data
