#include "data/csv_reader.h"

#include <utility>

namespace chartview::data {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

CsvReader::CsvReader(std::string_view text) : text_(text) {
    if (text_.starts_with(kByteOrderMark)) {
        at_ = kByteOrderMark.size();
    }
}

std::variant<CsvRow, CsvEnd, CsvError> CsvReader::next() {
    row_ = CsvRow{line_, {}};
    field_.clear();
    state_ = State::FieldStart;
    while (at_ < text_.size()) {
        switch (consume(text_[at_++])) {
            case Step::Continue:
                break;
            case Step::RowDone:
                return std::move(row_);
            case Step::Failed:
                return fail(std::move(failure_));
        }
    }
    return finishAtEnd();
}

CsvReader::Step CsvReader::consume(char c) {
    if (c == '\n') {
        ++line_;  // inside quotes too: errors name lines as an editor shows them
    }
    switch (state_) {
        case State::Quoted:
            if (c == '"') {
                state_ = State::QuoteInQuoted;
            } else {
                field_ += c;
            }
            return Step::Continue;
        case State::QuoteInQuoted:
            if (c == '"') {
                field_ += '"';
                state_ = State::Quoted;
                return Step::Continue;
            }
            if (c != ',' && c != '\n' && c != '\r') {
                failure_ = "text after a closing quote";
                return Step::Failed;
            }
            return consumeOutsideQuotes(c);
        case State::Unquoted:
            if (c == '"') {
                failure_ = "quote inside an unquoted field";
                return Step::Failed;
            }
            return consumeOutsideQuotes(c);
        case State::FieldStart:
            if (c == '"') {
                state_ = State::Quoted;
                return Step::Continue;
            }
            return consumeOutsideQuotes(c);
    }
    return Step::Continue;
}

CsvReader::Step CsvReader::consumeOutsideQuotes(char c) {
    switch (c) {
        case ',':
            endField();
            state_ = State::FieldStart;
            return Step::Continue;
        case '\n':
            endField();
            return Step::RowDone;
        case '\r':
            return endOfLine();
        default:
            field_ += c;
            state_ = State::Unquoted;
            return Step::Continue;
    }
}

CsvReader::Step CsvReader::endOfLine() {
    if (at_ == text_.size() || text_[at_] != '\n') {
        failure_ = "carriage return without a line feed";
        return Step::Failed;
    }
    ++at_;
    ++line_;
    endField();
    return Step::RowDone;
}

std::variant<CsvRow, CsvEnd, CsvError> CsvReader::finishAtEnd() {
    if (state_ == State::Quoted) {
        return fail("unterminated quoted field");
    }
    // Nothing read since the last row ended: the document ends with a line break, or is empty.
    if (state_ == State::FieldStart && row_.fields.empty()) {
        return CsvEnd{};
    }
    endField();
    return std::move(row_);
}

void CsvReader::endField() {
    row_.fields.push_back(std::move(field_));
    field_.clear();
}

CsvError CsvReader::fail(std::string message) {
    at_ = text_.size();  // nothing after a malformed row is read
    return CsvError{row_.line, std::move(message)};
}

}  // namespace chartview::data
