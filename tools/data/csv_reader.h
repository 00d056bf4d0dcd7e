#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace chartview::data {

// One row of a CSV document: its fields with quoting undone, and the line it starts on.
struct CsvRow {
    std::int64_t line = 0;  // from 1
    std::vector<std::string> fields;
};

// No row is left.
struct CsvEnd {};

// A malformed row: the line it starts on and what is wrong, for example "unterminated
// quoted field".
struct CsvError {
    std::int64_t line = 0;
    std::string message;
};

// Reads the rows of a whole CSV document held in memory (RFC 4180): fields separated by
// commas, rows ended by LF or CRLF, the last line break optional. A field in double quotes
// may hold commas, line breaks and "" for a quote. A UTF-8 byte order mark at the start is
// skipped; bytes are otherwise passed through unchanged (no decoding, no trimming).
class CsvReader {
public:
    // `text` must outlive the reader.
    explicit CsvReader(std::string_view text);

    // The next row, CsvEnd once every row was read, or CsvError for a malformed row: a quote
    // inside an unquoted field, text after a closing quote, a quoted field still open at the
    // end, or a carriage return not followed by a line feed outside quotes. After an error
    // every further call gives CsvEnd. An empty line is a row of one empty field.
    std::variant<CsvRow, CsvEnd, CsvError> next();

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    enum class Step { Continue, RowDone, Failed };

    Step consume(char c);
    Step consumeOutsideQuotes(char c);
    Step endOfLine();
    std::variant<CsvRow, CsvEnd, CsvError> finishAtEnd();
    void endField();
    CsvError fail(std::string message);

    std::string_view text_;
    std::size_t at_ = 0;
    std::int64_t line_ = 1;
    State state_ = State::FieldStart;
    CsvRow row_;
    std::string field_;
    std::string failure_;
};

}  // namespace chartview::data
