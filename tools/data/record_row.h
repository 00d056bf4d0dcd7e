#pragma once

#include "input/record_reader.h"

#include <string>
#include <variant>
#include <vector>

namespace chartview::data {

// One record as a CSV row: `label,value1,value2`, the label written by escapeLabel and the
// values by formatValue.

// Why a CSV row makes no record, for example "value2 is not a number".
struct RowError {
    std::string message;
};

// The record that the three fields of a row stand for; the label is padded with zero units
// to 64. Another field count, a label of more than 64 code units or a bad label or value is
// an error.
std::variant<ChartRecord, RowError> recordFromFields(const std::vector<std::string>& fields);

// Appends the row for `record`, ended by LF, to `out`. Trailing zero units of the label are
// left out (recordFromFields pads them back); the label is quoted when it holds a comma or
// a quote.
void appendRow(const ChartRecord& record, std::string& out);

}  // namespace chartview::data
