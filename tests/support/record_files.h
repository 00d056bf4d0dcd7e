#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <array>
#include <string>
#include <vector>

namespace chartview::testing {

// One record as written to a data file: 64 UTF-16 code units of label (shorter labels are
// padded with zero units), two doubles, and filler for the two ignored blocks.
struct TestRecord {
    std::u16string label;
    double value1 = 0;
    double value2 = 0;
    char extraFill = 0;  // byte written into both ignored blocks
};

// The 400 bytes of a record, little-endian.
QByteArray encodeRecord(const TestRecord& record);

// The bytes of a whole file: the records, then `trailing` extra bytes (a partial record).
QByteArray encodeFile(const std::vector<TestRecord>& records, int trailing = 0);

// A temporary folder that holds the files of one test and is removed with it.
class TempFiles {
public:
    TempFiles();
    // Writes `bytes` to `name` in the folder and returns its path.
    std::string write(const QString& name, const QByteArray& bytes);
    std::string path(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// `count` records labelled "R0", "R1", ... with value1 = i and value2 = 2 * i.
std::vector<TestRecord> numberedRecords(int count);

}  // namespace chartview::testing
