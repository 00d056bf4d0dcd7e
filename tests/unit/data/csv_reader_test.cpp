#include "data/csv_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace chartview::data {
namespace {

// Every step of a reader over `text`, as "LINE{field}{field} " per row and "!LINE message"
// for an error. Reading goes on after an error to show that no row follows it.
std::string readAll(std::string_view text) {
    CsvReader reader(text);
    std::string log;
    for (;;) {
        auto step = reader.next();
        if (std::holds_alternative<CsvEnd>(step)) {
            return log;
        }
        if (const auto* error = std::get_if<CsvError>(&step)) {
            log += "!" + std::to_string(error->line) + " " + error->message;
            continue;
        }
        const CsvRow& row = std::get<CsvRow>(step);
        log += std::to_string(row.line);
        for (const std::string& field : row.fields) {
            log += "{" + field + "}";
        }
        log += " ";
    }
}

struct Case {
    const char* name;
    std::string_view text;
    std::string_view expected;
};

TEST(CsvReader, ReadsRowsFieldsAndStartLines) {
    const Case cases[] = {
        {"empty document", "", ""},
        {"byte order mark only", "\xEF\xBB\xBF", ""},
        {"one row without a final break", "a,1,2", "1{a}{1}{2} "},
        {"final LF ends the last row, no empty row after it", "a,1,2\nb,3,4\n",
         "1{a}{1}{2} 2{b}{3}{4} "},
        {"CRLF line ends", "a,1,2\r\nb,3,4\r\n", "1{a}{1}{2} 2{b}{3}{4} "},
        {"mixed LF and CRLF", "a\r\nb\nc", "1{a} 2{b} 3{c} "},
        {"byte order mark skipped at the start",
         "\xEF\xBB\xBF"
         "a,1",
         "1{a}{1} "},
        {"byte order mark kept elsewhere",
         "a\n\xEF\xBB\xBF"
         "b",
         "1{a} 2{\xEF\xBB\xBF"
         "b} "},
        {"empty fields", ",,", "1{}{}{} "},
        {"trailing comma makes an empty last field", "a,1,\n", "1{a}{1}{} "},
        {"empty line is a row of one empty field", "a\n\nb", "1{a} 2{} 3{b} "},
        {"CRLF empty line", "a\r\n\r\nb", "1{a} 2{} 3{b} "},
        {"quoted comma", "\"a,b\",1", "1{a,b}{1} "},
        {"doubled quote inside quotes", "\"say \"\"hi\"\"\",1", "1{say \"hi\"}{1} "},
        {"only a doubled quote", "\"\"\"\"", "1{\"} "},
        {"empty quoted field", "\"\",\"\"", "1{}{} "},
        {"quoted field at the end of input", "a,\"b\"", "1{a}{b} "},
        {"quoted LF is data and counts a line", "\"x\ny\",1\nz,2", "1{x\ny}{1} 3{z}{2} "},
        {"quoted CRLF kept as is", "\"x\r\ny\"\r\nz", "1{x\r\ny} 3{z} "},
        {"quoted lone CR is data", "\"x\ry\"", "1{x\ry} "},
        {"spaces are data", " a , 1 ", "1{ a }{ 1 } "},
        {"UTF-8 passes through", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D,\xF0\x9F\x98\x80",
         "1{\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D}{\xF0\x9F\x98\x80} "},
        {"backslashes are data", "\\u0000,\\\\", "1{\\u0000}{\\\\} "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readAll(c.text), c.expected);
    }
}

TEST(CsvReader, MalformedRowStopsReadingAndNamesItsStartLine) {
    const Case cases[] = {
        {"quote inside an unquoted field", "a,1\nb\"c,2\nd",
         "1{a}{1} !2 quote inside an unquoted field"},
        {"quote ending an unquoted field", "ab\"", "!1 quote inside an unquoted field"},
        {"text after a closing quote", "\"a\"b,1", "!1 text after a closing quote"},
        {"space after a closing quote", "\"a\" ,1", "!1 text after a closing quote"},
        {"unterminated quote at the end", "a\n\"b,1,2", "1{a} !2 unterminated quoted field"},
        {"unterminated quote names the line the row starts on", "a\nb,\"x\ny\nz",
         "1{a} !2 unterminated quoted field"},
        {"odd quotes at the end leave the field open", "\"a\"\"", "!1 unterminated quoted field"},
        {"lone CR between fields", "a\rb", "!1 carriage return without a line feed"},
        {"lone CR at the end", "a,1,2\r", "!1 carriage return without a line feed"},
        {"error after a quoted break on a later line", "\"x\ny\",1\nc\"",
         "1{x\ny}{1} !3 quote inside an unquoted field"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readAll(c.text), c.expected);
    }
}

}  // namespace
}  // namespace chartview::data
